#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zendal {

class TDictionary;

// The ranked suggestion list: the words within two edits of the misspelled word, found by a
// bounded walk of each word graph, with the candidates of the sound-alike walk and the user's
// own words, and the cuts into two common words; ranked by the cost of the slips that turn the
// candidate into the misspelling (WeightedDistance), less a bonus for a candidate that sounds
// the same, less a bonus that grows with the candidate's frequency.
class RankedSuggester {
  public:
    struct Ranked {
        std::string word;  // code page 437; a cut holds one blank
        int score = 0;     // lower is better
    };

    explicit RankedSuggester(const TDictionary& dictionary) : dictionary_(dictionary) {}

    // Up to count replacements for a word (UTF-8), best first, in the word's letter case.
    std::vector<std::string> Suggest(const std::string& word, int count) const;
    // The candidates for a word (code page 437, A to Z lower-cased), best first.
    std::vector<Ranked> Rank(const std::string& word, std::size_t count) const;

    // The frequency bonus of a frequency byte (0: unknown).
    static int FrequencyBonus(std::uint8_t band);

  private:
    const TDictionary& dictionary_;
};

}  // namespace zendal
