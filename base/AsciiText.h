#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zendal {

// The one home of the byte-wise text helpers: letter case of the ASCII letters A to Z only, the
// search with that case ignored (the head algorithms find tags so), and trimming.
class AsciiText {
  public:
    static constexpr std::size_t npos = std::string_view::npos;

    static char UpperAscii(char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    }
    static char LowerAscii(char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    }
    static std::string Upper(std::string_view text);
    static std::string Lower(std::string_view text);

    static bool Equals(std::string_view a, std::string_view b);
    // First occurrence of needle at or after from, case ignored; npos if none.
    static std::size_t Find(std::string_view text, std::string_view needle, std::size_t from = 0);
    static bool Contains(std::string_view text, std::string_view needle) {
        return Find(text, needle) != npos;
    }

    // Whether every byte is below 0x80.
    static bool IsAscii(std::string_view text);

    // Trimming removes characters with codes 0 to 32 from both ends.
    static bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }
    static std::string_view Trim(std::string_view text);
    // Removes the characters of the set from both ends.
    static std::string_view TrimAny(std::string_view text, std::string_view set);
};

}  // namespace zendal
