#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zendal {

// The words of a text as WordRule cuts them, and how often a key word occurs among them: a key
// word is found where its own words stand one after the other, letter case ignored under the
// word comparison, so "bread" is found in "Bread," and the phrase "web design" in "web
// design.".
class WordSequence {
  public:
    // The words of the text that lie wholly between from and to (byte offsets).
    WordSequence(std::string_view text, std::size_t from, std::size_t to);
    explicit WordSequence(std::string_view text) : WordSequence(text, 0, std::string_view::npos) {}

    bool Empty() const { return words_.empty(); }
    // Overlapping occurrences count each; a key word without a word occurs nowhere. Character
    // references in the key word are read as their characters.
    long Count(std::string_view keyWord) const;

  private:
    // Words equal under the word comparison share one number.
    std::vector<int> words_;                       // the numbers of the words, in order
    std::unordered_map<std::string, int> byKey_;   // collation key -> number
    std::vector<std::vector<std::size_t>> where_;  // number -> positions in words_
};

}  // namespace zendal
