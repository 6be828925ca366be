#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace zendal {

// The lists that a spell checker keeps between words: the words ignored with Ignore All (kept
// for as long as the checker lives) and the change-all pairs (rebuilt at every run from the
// automatic corrections, grown by Change All). Words are UTF-8 and compared ignoring case.
class SpellSessionLists {
  public:
    struct Pair {
        std::string word;
        std::string replacement;
    };

    void IgnoreAll(const std::string& word);
    bool IsIgnored(const std::string& word) const;
    const std::vector<std::string>& IgnoredWords() const { return ignored_; }

    void ClearChangeAll();
    // A word already paired keeps its first replacement.
    void AddChangeAll(const std::string& word, const std::string& replacement);
    std::optional<std::string> ChangeAllReplacement(const std::string& word) const;

    // The pairs of an automatic corrections file: lines word=replacement, the replacement cut
    // to 255 characters; lines without "=" or with an empty side are skipped.
    static std::vector<Pair> ReadAutoCorrectFile(const std::string& text);

  private:
    static std::string Key(const std::string& word);

    std::vector<std::string> ignored_;
    std::unordered_set<std::string> ignoredKeys_;
    std::vector<Pair> pairs_;
    std::unordered_map<std::string, std::size_t> pairIndex_;
};

}  // namespace zendal
