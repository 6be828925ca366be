#pragma once

#include <string>
#include <string_view>

namespace zendal::cli {

// The bytes as a JSON string literal, quotes included. Valid UTF-8 passes through unchanged;
// the quote, the backslash, the control characters U+0000 to U+001F and U+007F are escaped
// (\" \\ \u00XX). A byte that does not belong to a valid UTF-8 sequence (a stray continuation
// byte, a truncated or overlong sequence, a surrogate, a code point above U+10FFFF) is written
// as \u00XX with XX its value, so every byte of the input stays visible in the output.
std::string JsonString(std::string_view bytes);

}  // namespace zendal::cli
