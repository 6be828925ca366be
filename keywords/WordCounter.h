#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zendal {

struct CountedWord {
    std::string word;  // the spelling of the first occurrence
    int count = 0;
    bool operator==(const CountedWord&) const = default;
};

// Counts words that are equal under the word comparison as one. Equal words have equal
// collation keys, so a hash on the key finds a word's entry; the key is computed once per
// spelling, which keeps counting linear in the number of words.
class WordCounter {
  public:
    // Words equal to this one are not counted. Called before the first Add.
    void LeaveOut(std::string_view word);
    void Add(std::string_view word);
    // The number of words counted.
    int Total() const { return total_; }
    // Ascending by count, equal counts ascending by the word comparison: the order of the sort
    // keys "%.6d%s" (count, word) under the word comparison, with counts of a million or more
    // still ordered by their value.
    std::vector<CountedWord> InSortKeyOrder() const;

    // The sort key of an entry: its count with at least six digits, then the word.
    static std::string SortKey(const CountedWord& entry);

  private:
    static constexpr int kLeftOut = -1;

    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>()(text);
        }
    };
    using IndexMap = std::unordered_map<std::string, int, TextHash, std::equal_to<>>;

    // The entry of a word, kLeftOut, or a new entry for it.
    int EntryOf(std::string_view word, bool leaveOut);

    struct Entry {
        CountedWord counted;
        const std::string* key;  // held by byKey_
    };
    std::vector<Entry> entries_;
    IndexMap bySpelling_;
    IndexMap byKey_;
    int total_ = 0;
};

}  // namespace zendal
