#pragma once

#include <string>
#include <string_view>

namespace zendal::cli {

// The text as a JSON string literal, quotes included. Control characters are escaped; a byte
// that is not part of valid UTF-8 becomes U+FFFD, so the output is always valid UTF-8.
std::string JsonString(std::string_view text);

}  // namespace zendal::cli
