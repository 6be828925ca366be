#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/SettingsStore.h"

namespace zendal {

// The settings store over settings.ini in the Zendal home folder: one INI group per key (the
// group name is the key as written, backslashes and all, e.g. [Software\VELQ\rodoru]), one
// "name=value" line per value. Key and value names compare with letter case ignored, as the
// registry does; a leading backslash of a key is ignored.
//
// A value is stored as the bytes after '=' with surrounding blanks removed, or, when it starts
// with a double quote, as a quoted text with the escapes \\ \" \r \n \t and \xHH (the store
// writes that form for values that could not survive plainly). A value that is not a string:
//   - a line in a group without '=' (the line names the value), or
//   - a typed value that starts with '@' unquoted, such as @Variant(...) or @ByteArray(...), or
//   - a quoted text that is not closed or has text after its closing quote.
// Reading one throws ESettingsFailure "Invalid data type for 'NAME'". A write that cannot be
// saved throws ESettingsFailure "Failed to set data for 'NAME'". Saving is atomic; every line
// that the store does not change is kept as it was, comments included.
class IniSettingsStore : public SettingsStore {
  public:
    static constexpr const char* kFileName = "settings.ini";

    struct Value {
        const char* key;
        const char* name;
        const char* value;
    };
    // Created with the file at first start.
    static const std::vector<Value>& FirstStartValues();

    // homeFolder ends with '/'. When settings.ini does not exist yet, it is created holding the
    // first-start values.
    explicit IniSettingsStore(const std::string& homeFolder);

    // Reads the file again and creates the key when it is missing; false when the file cannot
    // be read or the new key cannot be saved.
    bool OpenKey(const std::string& key) override;
    bool ValueExists(const std::string& key, const std::string& name) const override;
    // A missing value reads as an empty text.
    std::string ReadString(const std::string& key, const std::string& name) const override;
    // Creates the value when missing (and the key with it), then saves the file.
    void WriteString(const std::string& key, const std::string& name,
                     const std::string& value) override;

    const std::string& FileName() const { return fileName_; }

    // The stored form of a text, as written after '='.
    static std::string EncodeValue(const std::string& value);
    // The text of a stored form; nullopt when it is not a string.
    static std::optional<std::string> DecodeValue(const std::string& stored);

  private:
    struct Line {
        std::string raw;   // the line as in the file, without its line break
        std::string name;  // value lines only
        bool isValue = false;
    };
    struct Group {
        std::string key;     // as written between the brackets
        std::string header;  // the header line; empty for the lines before any group
        std::vector<Line> lines;
    };

    bool Load();
    bool SaveFile() const;
    static bool IsGroupOf(const Group& group, const std::string& key);
    const Group* FindGroup(const std::string& key) const;
    Group& OpenGroup(const std::string& key);
    // Index of the value's line in the group, or -1.
    static long FindValue(const Group& group, const std::string& name);
    const Line* FindLine(const std::string& key, const std::string& name) const;
    static std::optional<std::string> StoredForm(const Line& line);

    std::string fileName_;
    std::vector<Group> groups_;
};

}  // namespace zendal
