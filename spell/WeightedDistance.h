#pragma once

#include <string>

namespace zendal {

// How far a misspelling lies from a candidate, counted in the slips that people make: an edit
// costs 100, less when it is a likely slip (a letter typed twice or once too few, two neighbours
// swapped, a letter without its accent or with another, a vowel for a vowel, a key beside the
// right one, a letter for one that sounds alike).
// A candidate that changes the first letter costs more, since people seldom get that one wrong.
// Both words are code page 437 bytes, A to Z lower-cased.
class WeightedDistance {
  public:
    static constexpr int kEdit = 100;

    static int Of(const std::string& misspelling, const std::string& candidate);

    // The cost of typing `typed` where `meant` was meant.
    static int ReplaceCost(char meant, char typed);
    static bool IsVowel(char c);
    static bool AreKeyboardNeighbours(char a, char b);
};

}  // namespace zendal
