#include "spell/WordFrequencyList.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include "base/AsciiText.h"
#include "base/WholeFile.h"
#include "spell/CodePage437.h"

namespace zendal {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// The digits at text[i] after blanks and a colon; advances i. Empty when there are none.
std::string NumberAt(const std::string& text, std::size_t& i) {
    while (i < text.size() && (IsBlank(text[i]) || text[i] == ':')) {
        ++i;
    }
    std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    return text.substr(start, i - start);
}

// The JSON string at text[i] after blanks and a colon, escapes of quote and backslash undone;
// advances i past it. Returns false when no string starts there.
bool StringAt(const std::string& text, std::size_t& i, std::string& value) {
    while (i < text.size() && (IsBlank(text[i]) || text[i] == ':')) {
        ++i;
    }
    if (i >= text.size() || text[i] != '"') {
        return false;
    }
    value.clear();
    for (++i; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
        }
        value += text[i];
    }
    ++i;
    return true;
}

std::uint64_t ToCount(const std::string& digits) {
    // Counts beyond 19 digits cannot be real; they are cut to the largest 64-bit value.
    if (digits.size() > 19) {
        return UINT64_MAX;
    }
    return digits.empty() ? 0 : std::stoull(digits);
}

}  // namespace

WordFrequencyList WordFrequencyList::Read(const std::string& path) {
    return Parse(WholeFile::Read(path));
}

WordFrequencyList WordFrequencyList::Parse(const std::string& text) {
    auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    return first != text.end() && *first == '[' ? ParseJson(text) : ParseLines(text);
}

WordFrequencyList WordFrequencyList::ParseJson(const std::string& text) {
    WordFrequencyList list;
    std::string word;
    std::string key;
    bool haveWord = false;
    std::uint64_t count = 0;
    bool haveCount = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '}') {
            if (haveWord && haveCount) {
                list.Add(word, count);
            }
            haveWord = haveCount = false;
            ++i;
        } else if (text[i] == '"' && StringAt(text, i, key)) {
            if (key == "word") {
                haveWord = StringAt(text, i, word);
            } else if (key == "count" || key == "value") {
                std::string digits = NumberAt(text, i);
                haveCount = !digits.empty();
                count = ToCount(digits);
            }
        } else {
            ++i;
        }
    }
    return list;
}

WordFrequencyList WordFrequencyList::ParseLines(const std::string& text) {
    WordFrequencyList list;
    std::istringstream lines(text);
    std::string line;
    // A CR before the LF ends the number like any other character after it.
    while (std::getline(lines, line)) {
        std::size_t gap = line.find_first_of(" \t");
        if (gap == std::string::npos || gap == 0) {
            continue;
        }
        std::size_t i = gap;
        if (std::string digits = NumberAt(line, i); !digits.empty()) {
            list.Add(line.substr(0, gap), ToCount(digits));
        }
    }
    return list;
}

void WordFrequencyList::Add(const std::string& utf8, std::uint64_t count) {
    if (utf8.empty() || !CodePage437::CanEncode(utf8)) {
        return;
    }
    std::uint64_t& total = counts_[AsciiText::Lower(CodePage437::FromUtf8(utf8))];
    total = count > UINT64_MAX - total ? UINT64_MAX : total + count;
}

std::uint64_t WordFrequencyList::Count(const std::string& oem) const {
    auto found = counts_.find(oem);
    return found == counts_.end() ? 0 : found->second;
}

std::uint8_t WordFrequencyList::Band(std::uint64_t count) {
    if (count <= 1) {
        return 1;
    }
    double steps = 8.0 * std::log2(static_cast<double>(count));
    return static_cast<std::uint8_t>(std::clamp(std::lround(steps), 1L, 255L));
}

}  // namespace zendal
