#pragma once

#include <string>

namespace zendal {

// The spelling dictionary keeps its letters as code page 437 bytes; the rest of Zendal speaks
// UTF-8. Conversions happen where text enters and leaves the dictionary.
class CodePage437 {
  public:
    // Characters that code page 437 cannot hold, and bytes that are not valid UTF-8, become '?'.
    static std::string FromUtf8(const std::string& utf8);
    static std::string ToUtf8(const std::string& oem);
    // Whether every character of the UTF-8 text has a code page 437 byte.
    static bool CanEncode(const std::string& utf8);

    // Letter case of code page 437 bytes. LowerAZ changes only A to Z; Upper changes a to z and
    // the accented letters that the dictionary's case table knows (ù has no entry and stays).
    static char LowerAZ(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
    static char UpperAZ(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
    static char Upper(char c);
    static std::string LowerAZ(std::string text);
    static std::string Upper(std::string text);
};

}  // namespace zendal
