#pragma once

#include <string>

namespace zendal {

// How alike two strings look, 0 to 100: twice the letters of their common runs over their total
// length, the runs found as Ratcliff and Obershelp do (the longest run first, then the same on
// either side of it), except that a range of one character is not searched and, within one
// range, a run found first wins against a later one of equal length. ab/ab 100, ab/ba 50,
// cat/cut 66, abxcde/abycde 83.
class SimilarityScore {
  public:
    static int Of(const std::string& s1, const std::string& s2);

  private:
    SimilarityScore(const std::string& s1, const std::string& s2) : s1_(s1), s2_(s2) {}
    // Positions count from 1; a position past the end reads as a zero byte.
    char At1(int i) const { return i >= 1 && i <= int(s1_.size()) ? s1_[i - 1] : '\0'; }
    char At2(int j) const { return j >= 1 && j <= int(s2_.size()) ? s2_[j - 1] : '\0'; }
    void Match(int a, int b, int c, int d);

    const std::string& s1_;
    const std::string& s2_;
    int total_ = 0;
};

}  // namespace zendal
