#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

#include "base/ESettingsFailure.h"
#include "base/SettingsStore.h"

namespace zendal::test {

// Settings in memory, with switches for a key that cannot be opened and for refused writes.
class MemorySettingsStore : public SettingsStore {
  public:
    using Values = std::map<std::pair<std::string, std::string>, std::string>;

    bool OpenKey(const std::string& key) override {
        if (!canOpen) {
            return false;
        }
        keys.insert(key);
        return true;
    }
    bool ValueExists(const std::string& key, const std::string& name) const override {
        return values.count({key, name}) > 0;
    }
    std::string ReadString(const std::string& key, const std::string& name) const override {
        return values.at({key, name});
    }
    void WriteString(const std::string& key, const std::string& name,
                     const std::string& value) override {
        if (refusedWrites.count(name) > 0) {
            throw ESettingsFailure("Failed to set data for '" + name + "'");
        }
        values[{key, name}] = value;
    }

    bool canOpen = true;
    std::set<std::string> keys;
    std::set<std::string> refusedWrites;
    Values values;
};

}  // namespace zendal::test
