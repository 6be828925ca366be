#pragma once

#include <cstddef>
#include <cstdint>
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
// spelling, and a spelling seen before is found in an open-addressing table, which keeps
// counting linear in the number of words and cheap per word.
class WordCounter {
  public:
    // Words equal to this one are not counted. Called before the first Add.
    void LeaveOut(std::string_view word);
    void Add(std::string_view word);
    // Adds each word of a text, as WordRule cuts it. Faster than adding them one by one: the
    // table is read ahead of the words.
    void AddWords(std::string_view text);
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
    static constexpr std::size_t kHeadSize = 16;

    // One spelling in the open-addressing table, with its first bytes inline, so that finding
    // a short word and counting it touch nothing else.
    struct Slot {
        std::uint64_t head[2] = {0, 0};  // the first kHeadSize bytes, zero-padded
        std::uint32_t spelling = 0;      // one more than its index in spellings_, 0 when empty
        std::uint32_t length = 0;
        int entry = kLeftOut;
        int count = 0;  // how often this spelling was added; entries sum their spellings'
    };
    struct Entry {
        std::string word;        // its first spelling
        const std::string* key;  // held by byKey_
    };

    // The slot of a word's spelling, added when new: with kLeftOut as its entry, or that of an
    // equal word, or a new entry (unless leaveOut).
    Slot& SlotOf(std::string_view word, std::uint64_t hash, bool leaveOut);
    void Add(std::string_view word, std::uint64_t hash);
    Slot& NewSpelling(std::string_view word, const Slot& probe, bool leaveOut);
    std::size_t FreeSlot(std::string_view word) const;

    std::vector<Entry> entries_;
    std::vector<std::string> spellings_;
    // The size is a power of two; at most 70 percent of it is in use.
    std::vector<Slot> slots_ = std::vector<Slot>(1024);
    std::unordered_map<std::string, int> byKey_;
    int total_ = 0;
};

}  // namespace zendal
