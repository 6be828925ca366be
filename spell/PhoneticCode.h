#pragma once

#include <string>

namespace zendal {

// The sound-alike code of a word (code page 437 bytes): its first character upper-cased, then
// one digit per consonant sound, vowels dropped and a repeated digit kept once, at most four
// characters in all. ROBERT is R163; TYMCZAK is T52, filled T520.
//
// The code grows one character at a time, so that a walk down the word graph extends the code
// of a prefix instead of recomputing it.
class PhoneticCode {
  public:
    static constexpr std::size_t kLength = 4;

    // The code of s; filled with 0 to four characters when fill is set.
    static std::string Of(const std::string& s, bool fill);
    // Whether the unfilled code of candidate equals the leading characters of target.
    static bool PrefixTest(const std::string& candidate, const std::string& target);

    // Extends the coded string by one character.
    void Append(char c);
    const std::string& Code() const { return code_; }
    bool IsPrefixOf(const std::string& target) const {
        return target.compare(0, code_.size(), code_) == 0;
    }

  private:
    std::string code_;
};

}  // namespace zendal
