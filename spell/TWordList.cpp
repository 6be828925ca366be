#include "spell/TWordList.h"

#include <algorithm>
#include <string>

#include "base/AtomicFile.h"
#include "base/EFileOpen.h"
#include "base/WholeFile.h"
#include "base/WordComparison.h"
#include "spell/CodePage437.h"

namespace zendal {

TWordList::TWordList() = default;
TWordList::~TWordList() = default;

std::string TWordList::SortKey(const std::string& word) {
    return WordComparison::SortKey(CodePage437::ToUtf8(word));
}

bool TWordList::Contains(const std::string& word) const {
    if (entries_.empty()) {
        return false;
    }
    std::string key = SortKey(word);
    auto found = std::lower_bound(entries_.begin(), entries_.end(), key,
                                  [](const Entry& e, const std::string& k) { return e.key < k; });
    return found != entries_.end() && found->key == key;
}

bool TWordList::Add(const std::string& word) {
    std::string key = SortKey(word);
    auto place = std::lower_bound(entries_.begin(), entries_.end(), key,
                                  [](const Entry& e, const std::string& k) { return e.key < k; });
    if (place != entries_.end() && place->key == key) {
        return false;
    }
    entries_.insert(place, Entry{std::move(key), word});
    return true;
}

std::vector<std::string> TWordList::Words() const {
    std::vector<std::string> words;
    words.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        words.push_back(entry.word);
    }
    return words;
}

void TWordList::LoadFile(const std::string& path) {
    const std::string text = WholeFile::Read(path);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            Add(text.substr(start, end - start));
        }
        start = end + 1;
    }
}

void TWordList::SaveFile(const std::string& path) const {
    std::string text;
    for (const Entry& entry : entries_) {
        text += entry.word;
        text += "\r\n";
    }
    AtomicFile::Write(path, text);
}

}  // namespace zendal
