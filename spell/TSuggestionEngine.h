#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zendal {

class TDictionary;
class TDCTFile;
class TSuggestList;

// The replacement lists of the spell checker over an open dictionary: Suggest (two-word splits
// first, then words that sound and look alike, best first) and CompleteWord (the words that
// begin with a typed start, in dictionary order). Interfaces take and give UTF-8; the helpers
// below work on the dictionary's code page 437 bytes.
class TSuggestionEngine {
  public:
    // Counts above this are cut to it.
    static constexpr int kMaxCount = 255;

    explicit TSuggestionEngine(const TDictionary& dictionary) : dictionary_(dictionary) {}

    std::vector<std::string> Suggest(const std::string& word, int count) const;
    std::vector<std::string> CompleteWord(const std::string& typed, int count) const;

    // The cuts of a lower-cased word into two words that both pass the word test, as "a b".
    std::vector<std::string> SplitSuggestions(const std::string& word, std::size_t count) const;
    // Ranks into list the words of file that begin with the word's first letter, sound like it
    // (their code is a prefix of target) and are at most two letters shorter or longer.
    void CandidateWalk(TSuggestList& list, const TDCTFile& file, const std::string& word,
                       const std::string& target) const;

  private:
    void Complete(const TDCTFile& file, const std::string& typed, std::size_t count,
                  std::vector<std::string>& result) const;

    const TDictionary& dictionary_;
};

}  // namespace zendal
