#include "analysis/WordSequence.h"

#include "base/WordComparison.h"
#include "keywords/CharacterReference.h"
#include "keywords/WordRule.h"

namespace zendal {

WordSequence::WordSequence(std::string_view text, std::size_t from, std::size_t to) {
    // A spelling's collation key is made once, however often the spelling occurs.
    std::unordered_map<std::string_view, int> bySpelling;
    WordRule::ForEachWord(text, [&](std::string_view word) {
        const auto at = static_cast<std::size_t>(word.data() - text.data());
        if (at < from || at + word.size() > to) {
            return;
        }
        auto [spelling, isNew] = bySpelling.try_emplace(word, 0);
        if (isNew) {
            auto [key, newKey] =
                byKey_.try_emplace(WordComparison::SortKey(word), static_cast<int>(where_.size()));
            if (newKey) {
                where_.emplace_back();
            }
            spelling->second = key->second;
        }
        where_[static_cast<std::size_t>(spelling->second)].push_back(words_.size());
        words_.push_back(spelling->second);
    });
}

long WordSequence::Count(std::string_view keyWord) const {
    std::vector<int> wanted;
    bool known = true;
    WordRule::ForEachWord(CharacterReference::DecodeAll(keyWord), [&](std::string_view word) {
        auto found = byKey_.find(WordComparison::SortKey(word));
        known = known && found != byKey_.end();
        wanted.push_back(known ? found->second : -1);
    });
    if (wanted.empty() || !known) {
        return 0;
    }
    long hits = 0;
    for (std::size_t at : where_[static_cast<std::size_t>(wanted.front())]) {
        std::size_t k = 1;
        while (k < wanted.size() && at + k < words_.size() && words_[at + k] == wanted[k]) {
            ++k;
        }
        if (k == wanted.size()) {
            ++hits;
        }
    }
    return hits;
}

}  // namespace zendal
