#include "base/IniSettingsStore.h"

#include <filesystem>

#include "base/AsciiText.h"
#include "base/AtomicFile.h"
#include "base/ESettingsFailure.h"
#include "base/WholeFile.h"
#include "base/ZendalError.h"

namespace zendal {

namespace {

// The blanks around names, values and group headers; other control characters count as text.
std::string_view Trim(std::string_view text) {
    return AsciiText::TrimAny(text, " \t\r");
}

// Whether the file holds exactly these bytes: a save that would change nothing is skipped, which
// spares the disk flush of the atomic write (closing the window writes back values that are
// mostly unchanged).
bool FileHolds(const std::string& fileName, const std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error) ||
        std::filesystem::file_size(fileName, error) != bytes.size() || error) {
        return false;
    }
    return WholeFile::TryRead(fileName) == bytes;
}

// Keys and names compare as the registry compares them: letter case ignored, and a key's
// leading backslash does not matter.
std::string Folded(std::string_view text, bool isKey) {
    if (isKey) {
        while (text.starts_with('\\')) {
            text.remove_prefix(1);
        }
    }
    return AsciiText::Lower(text);
}

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

const std::vector<IniSettingsStore::Value>& IniSettingsStore::FirstStartValues() {
    static const std::vector<Value> values = {
        {"Software\\VELQ\\rodoru", "backup", "1"},
        {"Software\\VELQ\\rodoru", "removeblanks", "0"},
        {"Software\\VELQ\\rodoru", "keywords-r", "6"},
        {"Software\\VELQ\\rodoru", "bodychk", "1000"},
        {"Software\\VELQ\\rodoru", "keywords", "1000"},
        {"Software\\VELQ\\rodoru", "description", "200"},
        {"Software\\VELQ\\Zendal", "kwgcount", "25"},
        {"Software\\VELQ\\Zendal", "suggestions", "ranked"},
    };
    return values;
}

IniSettingsStore::IniSettingsStore(const std::string& homeFolder)
    : fileName_(homeFolder + kFileName) {
    std::error_code error;
    if (std::filesystem::exists(fileName_, error) || error) {
        Load();
        return;
    }
    for (const Value& value : FirstStartValues()) {
        Group& group = OpenGroup(value.key);
        group.lines.push_back(
            {std::string(value.name) + "=" + EncodeValue(value.value), value.name, true});
    }
    // A home folder that cannot be written shows itself when a key is opened.
    SaveFile();
}

std::string IniSettingsStore::EncodeValue(const std::string& value) {
    bool plain = true;
    if (!value.empty()) {
        const char first = value.front();
        const char last = value.back();
        plain = first != ' ' && first != '\t' && first != '"' && first != '@' && last != ' ' &&
                last != '\t';
        for (char c : value) {
            plain = plain && !IsControl(c);
        }
    }
    if (plain) {
        return value;
    }
    std::string quoted = "\"";
    for (char c : value) {
        switch (c) {
            case '\\':
                quoted += "\\\\";
                break;
            case '"':
                quoted += "\\\"";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (IsControl(c)) {
                    const char* hex = "0123456789ABCDEF";
                    const auto byte = static_cast<unsigned char>(c);
                    quoted += "\\x";
                    quoted += hex[byte >> 4];
                    quoted += hex[byte & 15];
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

std::optional<std::string> IniSettingsStore::DecodeValue(const std::string& stored) {
    if (stored.starts_with('@')) {
        return std::nullopt;
    }
    if (!stored.starts_with('"')) {
        return stored;
    }
    std::string text;
    for (std::size_t i = 1; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c == '"') {
            // Anything after the closing quote makes it something other than a text.
            if (i + 1 != stored.size()) {
                return std::nullopt;
            }
            return text;
        }
        if (c != '\\' || i + 1 == stored.size()) {
            text += c;
            continue;
        }
        const char next = stored[++i];
        switch (next) {
            case 'r':
                text += '\r';
                break;
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 'x':
                if (i + 2 < stored.size() && HexDigit(stored[i + 1]) >= 0 &&
                    HexDigit(stored[i + 2]) >= 0) {
                    text +=
                        static_cast<char>(HexDigit(stored[i + 1]) * 16 + HexDigit(stored[i + 2]));
                    i += 2;
                } else {
                    text += "\\x";
                }
                break;
            case '\\':
            case '"':
                text += next;
                break;
            default:
                text += '\\';
                text += next;
        }
    }
    return std::nullopt;  // not closed
}

bool IniSettingsStore::Load() {
    groups_.clear();
    std::error_code error;
    if (!std::filesystem::exists(fileName_, error)) {
        return !error;
    }
    if (!std::filesystem::is_regular_file(fileName_, error)) {
        return false;
    }
    const std::optional<std::string> read = WholeFile::TryRead(fileName_);
    if (!read) {
        return false;
    }
    const std::string& bytes = *read;
    groups_.push_back({});
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::string raw = bytes.substr(start, end - start);
        start = end + 1;
        std::string_view line = Trim(raw);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            groups_.push_back({std::string(Trim(line.substr(1, line.size() - 2))), raw, {}});
        } else if (line.empty() || line.front() == ';' || line.front() == '#') {
            groups_.back().lines.push_back({raw, "", false});
        } else {
            std::string name(Trim(line.substr(0, line.find('='))));
            groups_.back().lines.push_back({raw, name, true});
        }
    }
    return true;
}

bool IniSettingsStore::SaveFile() const {
    std::string bytes;
    for (const Group& group : groups_) {
        if (!group.header.empty()) {
            bytes += group.header + "\n";
        }
        for (const Line& line : group.lines) {
            bytes += line.raw + "\n";
        }
    }
    if (FileHolds(fileName_, bytes)) {
        return true;
    }
    try {
        AtomicFile::Write(fileName_, bytes);
        return true;
    } catch (const ZendalError&) {
        return false;
    }
}

bool IniSettingsStore::IsGroupOf(const Group& group, const std::string& key) {
    return !group.header.empty() && Folded(group.key, true) == Folded(key, true);
}

const IniSettingsStore::Group* IniSettingsStore::FindGroup(const std::string& key) const {
    for (const Group& group : groups_) {
        if (IsGroupOf(group, key)) {
            return &group;
        }
    }
    return nullptr;
}

IniSettingsStore::Group& IniSettingsStore::OpenGroup(const std::string& key) {
    for (Group& group : groups_) {
        if (IsGroupOf(group, key)) {
            return group;
        }
    }
    // Keep a blank line between groups, as people write them.
    if (!groups_.empty() && !groups_.back().lines.empty() &&
        !Trim(groups_.back().lines.back().raw).empty()) {
        groups_.back().lines.push_back({"", "", false});
    }
    groups_.push_back({key, "[" + key + "]", {}});
    return groups_.back();
}

long IniSettingsStore::FindValue(const Group& group, const std::string& name) {
    const std::string wanted = Folded(name, false);
    for (std::size_t i = 0; i < group.lines.size(); ++i) {
        if (group.lines[i].isValue && Folded(group.lines[i].name, false) == wanted) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

const IniSettingsStore::Line* IniSettingsStore::FindLine(const std::string& key,
                                                         const std::string& name) const {
    const Group* group = FindGroup(key);
    if (group == nullptr) {
        return nullptr;
    }
    long index = FindValue(*group, name);
    return index < 0 ? nullptr : &group->lines[index];
}

std::optional<std::string> IniSettingsStore::StoredForm(const Line& line) {
    std::size_t equals = line.raw.find('=');
    if (equals == std::string::npos) {
        return std::nullopt;
    }
    return std::string(Trim(std::string_view(line.raw).substr(equals + 1)));
}

bool IniSettingsStore::OpenKey(const std::string& key) {
    if (!Load()) {
        return false;
    }
    if (FindGroup(key) != nullptr) {
        return true;
    }
    OpenGroup(key);
    return SaveFile();
}

bool IniSettingsStore::ValueExists(const std::string& key, const std::string& name) const {
    return FindLine(key, name) != nullptr;
}

std::string IniSettingsStore::ReadString(const std::string& key, const std::string& name) const {
    const Line* line = FindLine(key, name);
    if (line == nullptr) {
        return {};
    }
    std::optional<std::string> stored = StoredForm(*line);
    std::optional<std::string> text = stored ? DecodeValue(*stored) : std::nullopt;
    if (!text) {
        throw ESettingsFailure("Invalid data type for '" + name + "'");
    }
    return *text;
}

void IniSettingsStore::WriteString(const std::string& key, const std::string& name,
                                   const std::string& value) {
    const std::vector<Group> before = groups_;
    Group& group = OpenGroup(key);
    if (long index = FindValue(group, name); index >= 0) {
        Line& line = group.lines[index];
        line.raw = line.name + "=" + EncodeValue(value);
    } else {
        // New values go after the group's last value, ahead of the blank lines that end it.
        auto at = group.lines.end();
        while (at != group.lines.begin() && Trim((at - 1)->raw).empty()) {
            --at;
        }
        group.lines.insert(at, {name + "=" + EncodeValue(value), name, true});
    }
    if (!SaveFile()) {
        groups_ = before;
        throw ESettingsFailure("Failed to set data for '" + name + "'");
    }
}

}  // namespace zendal
