#pragma once

#include <string>
#include <string_view>

namespace zendal {

// Word comparison for the user's locale with letter case ignored (accents still count), with
// sort keys that compare equal exactly when the words do, for hashing.
class WordComparison {
  public:
    static int Compare(std::string_view a, std::string_view b);
    static bool Equal(std::string_view a, std::string_view b) { return Compare(a, b) == 0; }
    static std::string SortKey(std::string_view word);
    // The text with letter case folded (full Unicode case folding), for case-blind searching.
    static std::string FoldCase(std::string_view text);
};

}  // namespace zendal
