#pragma once

#include <string>
#include <unordered_map>

namespace zendal {

// The collation keys of the word comparison, computed once per spelling: two words are equal
// under the comparison exactly when their keys are, so keys serve as hash keys.
class CollationKeyCache {
  public:
    const std::string& KeyOf(const std::string& word);

  private:
    std::unordered_map<std::string, std::string> keys_;
};

}  // namespace zendal
