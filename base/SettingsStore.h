#pragma once

#include <string>

namespace zendal {

// The settings store: string values under keys such as "Software\VELQ\rodoru". Keys are opened
// with create-if-missing; callers read a value only when it exists and write it only when it
// exists. Reading a value that is not a string, or a refused write, throws ESettingsFailure
// naming the value.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // False when the key can neither be opened nor created.
    virtual bool OpenKey(const std::string& key) = 0;
    virtual bool ValueExists(const std::string& key, const std::string& name) const = 0;
    virtual std::string ReadString(const std::string& key, const std::string& name) const = 0;
    virtual void WriteString(const std::string& key, const std::string& name,
                             const std::string& value) = 0;
};

}  // namespace zendal
