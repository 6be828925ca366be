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

    // Letter case of code page 437 bytes: Upper changes a to z and the accented letters that
    // the dictionary's case table knows (ù has no entry and stays). Only A to Z are ever turned
    // to lower case (AsciiText::Lower).
    static char Upper(char c);
    static std::string Upper(std::string text);
};

}  // namespace zendal
