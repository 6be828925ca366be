#pragma once

#include <string>

namespace zendal {

// Gives a suggestion the letter case of the word it replaces (code page 437 bytes): the becomes
// The for Teh, THE for TEH and stays the for teh.
class LetterCase {
  public:
    static std::string Adjust(const std::string& entry, const std::string& model);
};

}  // namespace zendal
