#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "keywords/CollationKeyCache.h"

namespace zendal {

struct CountedWord {
    std::string word;  // the spelling of the first occurrence
    int count = 0;
    bool operator==(const CountedWord&) const = default;
};

// Counts words that are equal under the word comparison as one, by a hash on their collation
// keys, so that counting is linear in the number of words.
class WordCounter {
  public:
    explicit WordCounter(CollationKeyCache& keys) : keys_(keys) {}

    void Add(const std::string& word);
    // Ascending by count, equal counts ascending by the word comparison: the order of the sort
    // keys "%.6d%s" (count, word) under the word comparison, with counts of a million or more
    // still ordered by their value.
    std::vector<CountedWord> InSortKeyOrder() const;

    // The sort key of an entry: its count with at least six digits, then the word.
    static std::string SortKey(const CountedWord& entry);

  private:
    struct Entry {
        CountedWord counted;
        const std::string* key;
    };

    CollationKeyCache& keys_;
    std::vector<Entry> entries_;
    std::unordered_map<std::string_view, std::size_t> indexByKey_;  // keys held by the cache
};

}  // namespace zendal
