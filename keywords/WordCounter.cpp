#include "keywords/WordCounter.h"

#include <algorithm>
#include <cstdio>

namespace zendal {

void WordCounter::Add(const std::string& word) {
    const std::string& key = keys_.KeyOf(word);
    auto [found, inserted] = indexByKey_.try_emplace(key, entries_.size());
    if (inserted) {
        entries_.push_back({{word, 1}, &key});
    } else {
        ++entries_[found->second].counted.count;
    }
}

std::vector<CountedWord> WordCounter::InSortKeyOrder() const {
    std::vector<const Entry*> order;
    order.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        order.push_back(&entry);
    }
    // Collation keys compare byte-wise as the words compare under the word comparison.
    std::sort(order.begin(), order.end(), [](const Entry* a, const Entry* b) {
        if (a->counted.count != b->counted.count) {
            return a->counted.count < b->counted.count;
        }
        return *a->key < *b->key;
    });
    std::vector<CountedWord> sorted;
    sorted.reserve(order.size());
    for (const Entry* entry : order) {
        sorted.push_back(entry->counted);
    }
    return sorted;
}

std::string WordCounter::SortKey(const CountedWord& entry) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.6d", entry.count);
    return digits + entry.word;
}

}  // namespace zendal
