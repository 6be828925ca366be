#include "spell/SpellSessionLists.h"

#include "base/AsciiText.h"
#include "spell/CodePage437.h"

namespace zendal {

namespace {

constexpr std::size_t kMaxReplacementLength = 255;

// The first characters of a UTF-8 text, never splitting one.
std::string FirstCharacters(const std::string& text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t seen = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == count) {
            break;
        }
    }
    return text.substr(0, i);
}

}  // namespace

std::string SpellSessionLists::Key(const std::string& word) {
    return CodePage437::Upper(CodePage437::FromUtf8(word));
}

void SpellSessionLists::IgnoreAll(const std::string& word) {
    if (ignoredKeys_.insert(Key(word)).second) {
        ignored_.push_back(CodePage437::ToUtf8(AsciiText::Lower(CodePage437::FromUtf8(word))));
    }
}

bool SpellSessionLists::IsIgnored(const std::string& word) const {
    return ignoredKeys_.contains(Key(word));
}

void SpellSessionLists::ClearChangeAll() {
    pairs_.clear();
    pairIndex_.clear();
}

void SpellSessionLists::AddChangeAll(const std::string& word, const std::string& replacement) {
    pairs_.push_back({word, replacement});
    pairIndex_.emplace(Key(word), pairs_.size() - 1);
}

std::optional<std::string> SpellSessionLists::ChangeAllReplacement(const std::string& word) const {
    auto found = pairIndex_.find(Key(word));
    if (found == pairIndex_.end()) {
        return std::nullopt;
    }
    return pairs_[found->second].replacement;
}

std::vector<SpellSessionLists::Pair> SpellSessionLists::ReadAutoCorrectFile(
    const std::string& text) {
    std::vector<Pair> pairs;
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string::npos) {
            lineEnd = text.size();
        }
        std::string line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        std::string word = line.substr(0, equals);
        std::string replacement = FirstCharacters(line.substr(equals + 1), kMaxReplacementLength);
        if (!word.empty() && !replacement.empty()) {
            pairs.push_back({word, replacement});
        }
    }
    return pairs;
}

}  // namespace zendal
