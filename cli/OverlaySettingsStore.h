#pragma once

#include <map>
#include <string>

#include "base/SettingsStore.h"

namespace zendal::cli {

// A settings store that answers given values in place of the stored ones, as if they were
// stored, and leaves the store below unchanged.
class OverlaySettingsStore : public SettingsStore {
  public:
    OverlaySettingsStore(SettingsStore& below, std::string key) : below_(below), key_(key) {}

    void Set(const std::string& name, const std::string& value) { values_[name] = value; }

    bool OpenKey(const std::string& key) override { return below_.OpenKey(key); }
    bool ValueExists(const std::string& key, const std::string& name) const override {
        return Overrides(key, name) || below_.ValueExists(key, name);
    }
    std::string ReadString(const std::string& key, const std::string& name) const override {
        return Overrides(key, name) ? values_.at(name) : below_.ReadString(key, name);
    }
    void WriteString(const std::string&, const std::string&, const std::string&) override {}

  private:
    bool Overrides(const std::string& key, const std::string& name) const {
        return key == key_ && values_.count(name) > 0;
    }

    SettingsStore& below_;
    std::string key_;
    std::map<std::string, std::string> values_;
};

}  // namespace zendal::cli
