#include "keywords/WordCounter.h"

#include <algorithm>
#include <cstdio>

#include "base/WordComparison.h"

namespace zendal {

int WordCounter::EntryOf(std::string_view word, bool leaveOut) {
    if (auto found = bySpelling_.find(word); found != bySpelling_.end()) {
        return found->second;
    }
    auto [byKey, inserted] =
        byKey_.try_emplace(WordComparison::SortKey(word), leaveOut ? kLeftOut : 0);
    if (inserted && !leaveOut) {
        byKey->second = static_cast<int>(entries_.size());
        entries_.push_back({{std::string(word), 0}, &byKey->first});
    }
    bySpelling_.emplace(word, byKey->second);
    return byKey->second;
}

void WordCounter::LeaveOut(std::string_view word) {
    EntryOf(word, true);
}

void WordCounter::Add(std::string_view word) {
    int entry = EntryOf(word, false);
    if (entry != kLeftOut) {
        ++entries_[static_cast<std::size_t>(entry)].counted.count;
        ++total_;
    }
}

std::vector<CountedWord> WordCounter::InSortKeyOrder() const {
    std::vector<const Entry*> order;
    order.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        if (entry.counted.count > 0) {
            order.push_back(&entry);
        }
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
