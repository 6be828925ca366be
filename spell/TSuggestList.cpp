#include "spell/TSuggestList.h"

#include <algorithm>

#include "spell/SimilarityScore.h"

namespace zendal {

void TSuggestList::Rank(const std::string& word, const std::string& candidate) {
    Place(candidate, static_cast<std::int16_t>(SimilarityScore::Of(word, candidate)));
}

void TSuggestList::Place(const std::string& candidate, std::int16_t score) {
    if (entries_.empty()) {
        entries_.push_back({candidate, score});
        return;
    }
    auto lower = std::find_if(entries_.begin(), entries_.end(),
                              [score](const TSuggestion& entry) { return entry.score < score; });
    if (lower != entries_.end()) {
        entries_.insert(lower, {candidate, score});
        if (entries_.size() > capacity_) {
            entries_.pop_back();
        }
    } else if (entries_.size() < capacity_) {
        entries_.push_back({candidate, score});
    }
}

}  // namespace zendal
