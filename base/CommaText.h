#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zendal {

// Cuts a text into items at commas and at characters with codes 1 to 32; a double-quoted item
// may hold both (two double quotes in a row stand for one). Empty items between commas are kept.
class CommaText {
  public:
    static std::vector<std::string> Split(std::string_view text);
};

}  // namespace zendal
