#include "keywords/CollationKeyCache.h"

#include "app/WordComparison.h"

namespace zendal {

const std::string& CollationKeyCache::KeyOf(const std::string& word) {
    auto found = keys_.find(word);
    if (found == keys_.end()) {
        found = keys_.emplace(word, WordComparison::SortKey(word)).first;
    }
    return found->second;
}

}  // namespace zendal
