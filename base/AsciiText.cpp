#include "base/AsciiText.h"

#include <cstring>

namespace zendal {

std::string AsciiText::Upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = UpperAscii(c);
    }
    return result;
}

std::string AsciiText::Lower(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = LowerAscii(c);
    }
    return result;
}

bool AsciiText::Equals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::size_t AsciiText::Find(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty() || from > text.size() || needle.size() > text.size() - from) {
        return npos;
    }
    const std::size_t last = text.size() - needle.size();
    const char first = needle[0];
    const char upper = UpperAscii(first);
    const char lower = LowerAscii(first);
    if (upper == lower) {
        // The tags all start with '<': jump from one to the next.
        const char* base = text.data();
        for (std::size_t i = from; i <= last;) {
            const void* hit = std::memchr(base + i, first, last - i + 1);
            if (hit == nullptr) {
                return npos;
            }
            i = static_cast<const char*>(hit) - base;
            if (Equals(text.substr(i + 1, needle.size() - 1), needle.substr(1))) {
                return i;
            }
            ++i;
        }
        return npos;
    }
    for (std::size_t i = from; i <= last; ++i) {
        if ((text[i] == upper || text[i] == lower) &&
            Equals(text.substr(i + 1, needle.size() - 1), needle.substr(1))) {
            return i;
        }
    }
    return npos;
}

bool AsciiText::IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::string_view AsciiText::TrimAny(std::string_view text, std::string_view set) {
    const std::size_t first = text.find_first_not_of(set);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(set) - first + 1);
}

std::string_view AsciiText::Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimmed(text[begin])) {
        ++begin;
    }
    while (end > begin && IsTrimmed(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

}  // namespace zendal
