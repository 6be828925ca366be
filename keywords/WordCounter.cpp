#include "keywords/WordCounter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/WordComparison.h"
#include "keywords/WordRule.h"

namespace zendal {

namespace {

// The bits of a number well mixed, so that every bit of it reaches the low bits of the result
// that pick a slot.
std::uint64_t Mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return h;
}

// A fast hash of a few bytes, eight at a time.
std::uint64_t Hash(std::string_view text) {
    std::uint64_t hash = text.size();
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        std::uint64_t chunk = 0;
        const std::size_t taken = std::min<std::size_t>(left, 8);
        std::memcpy(&chunk, p, taken);
        hash = Mix(hash ^ chunk) + 0x9E3779B97F4A7C15ull;
        p += taken;
        left -= taken;
    }
    return hash;
}

}  // namespace

WordCounter::Slot& WordCounter::SlotOf(std::string_view word, std::uint64_t hash, bool leaveOut) {
    Slot probe;
    std::memcpy(probe.head, word.data(), std::min(word.size(), kHeadSize));
    probe.length = static_cast<std::uint32_t>(word.size());
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.spelling == 0) {
            break;
        }
        if (slot.length == probe.length && slot.head[0] == probe.head[0] &&
            slot.head[1] == probe.head[1] &&
            (word.size() <= kHeadSize || spellings_[slot.spelling - 1] == word)) {
            return slot;
        }
    }
    return NewSpelling(word, probe, leaveOut);
}

std::size_t WordCounter::FreeSlot(std::string_view word) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = Hash(word) & mask;
    while (slots_[at].spelling != 0) {
        at = (at + 1) & mask;
    }
    return at;
}

WordCounter::Slot& WordCounter::NewSpelling(std::string_view word, const Slot& probe,
                                            bool leaveOut) {
    auto [byKey, inserted] =
        byKey_.try_emplace(WordComparison::SortKey(word), leaveOut ? kLeftOut : 0);
    if (inserted && !leaveOut) {
        byKey->second = static_cast<int>(entries_.size());
        entries_.push_back({std::string(word), &byKey->first});
    }
    spellings_.emplace_back(word);
    if (10 * spellings_.size() > 7 * slots_.size()) {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.spelling != 0) {
                slots_[FreeSlot(spellings_[slot.spelling - 1])] = slot;
            }
        }
    }
    Slot& slot = slots_[FreeSlot(word)];
    slot = probe;
    slot.spelling = static_cast<std::uint32_t>(spellings_.size());
    slot.entry = byKey->second;
    return slot;
}

void WordCounter::LeaveOut(std::string_view word) {
    SlotOf(word, Hash(word), true);
}

void WordCounter::Add(std::string_view word) {
    Add(word, Hash(word));
}

void WordCounter::Add(std::string_view word, std::uint64_t hash) {
    Slot& slot = SlotOf(word, hash, false);
    if (slot.entry != kLeftOut) {
        ++slot.count;
        ++total_;
    }
}

void WordCounter::AddWords(std::string_view text) {
    // The slots of a batch of words are fetched into the cache while the words before them
    // are counted.
    constexpr std::size_t kBatch = 16;
    std::string_view words[kBatch];
    std::uint64_t hashes[kBatch];
    std::size_t pending = 0;
    auto countPending = [&] {
        for (std::size_t i = 0; i < pending; ++i) {
            Add(words[i], hashes[i]);
        }
        pending = 0;
    };
    WordRule::ForEachWord(text, [&](std::string_view word) {
        const std::uint64_t hash = Hash(word);
        __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
        words[pending] = word;
        hashes[pending] = hash;
        if (++pending == kBatch) {
            countPending();
        }
    });
    countPending();
}

std::vector<CountedWord> WordCounter::InSortKeyOrder() const {
    std::vector<int> counts(entries_.size(), 0);
    for (const Slot& slot : slots_) {
        if (slot.spelling != 0 && slot.entry != kLeftOut) {
            counts[static_cast<std::size_t>(slot.entry)] += slot.count;
        }
    }
    std::vector<std::size_t> order;
    order.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (counts[i] > 0) {
            order.push_back(i);
        }
    }
    // Collation keys compare byte-wise as the words compare under the word comparison.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (counts[a] != counts[b]) {
            return counts[a] < counts[b];
        }
        return *entries_[a].key < *entries_[b].key;
    });
    std::vector<CountedWord> sorted;
    sorted.reserve(order.size());
    for (std::size_t i : order) {
        sorted.push_back({entries_[i].word, counts[i]});
    }
    return sorted;
}

std::string WordCounter::SortKey(const CountedWord& entry) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.6d", entry.count);
    return digits + entry.word;
}

}  // namespace zendal
