#include "spell/TSuggestionEngine.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "base/AsciiText.h"
#include "spell/CodePage437.h"
#include "spell/EDictionaryCorrupt.h"
#include "spell/LetterCase.h"
#include "spell/PhoneticCode.h"
#include "spell/TDCTFile.h"
#include "spell/TDictionary.h"
#include "spell/TSuggestList.h"
#include "spell/TWordList.h"

namespace zendal {

namespace {

std::size_t ClampCount(int count) {
    return static_cast<std::size_t>(std::clamp(count, 0, TSuggestionEngine::kMaxCount));
}

// Counts the nodes that one walk reads and stops a walk that a crafted graph would keep busy.
class WalkBudget {
  public:
    explicit WalkBudget(const TDCTFile& file) : left_(file.WalkBudget()) {}
    void Spend(std::uint64_t units = 1) {
        if (left_ < units) {
            throw EDictionaryCorrupt();
        }
        left_ -= units;
    }

  private:
    std::uint64_t left_;
};

// Lists the words below a node list, depth first in stored sibling order, a word before its
// longer forms, until the result holds count entries.
struct CompletionWalk {
    const TDCTFile& file;
    const std::string& typed;
    std::size_t keyLength;
    std::size_t count;
    std::vector<std::string>& result;
    WalkBudget& budget;

    // False once the result is full.
    bool Enumerate(std::uint32_t list, const std::string& prefix) {
        for (std::uint32_t a = list, seen = 1;; ++a, ++seen) {
            if (result.size() >= count) {
                return false;
            }
            budget.Spend();
            if (seen > TDCTFile::kMaxSiblings) {
                throw EDictionaryCorrupt();
            }
            std::uint32_t node = file.ReadNode(a);
            std::string letters = prefix + TDCTFile::Letter(node);
            if (TDCTFile::IsEndOfWord(node)) {
                result.push_back(typed + letters);
            }
            if (std::uint32_t child = TDCTFile::Child(node); child != 0) {
                // No path of a sound graph is longer than the longest word.
                if (keyLength + letters.size() >= TDCTFile::kMaxWordLength) {
                    throw EDictionaryCorrupt();
                }
                if (!Enumerate(child, letters)) {
                    return false;
                }
            }
            if (TDCTFile::IsLastSibling(node)) {
                return true;
            }
        }
    }
};

}  // namespace

std::vector<std::string> TSuggestionEngine::SplitSuggestions(const std::string& word,
                                                             std::size_t count) const {
    std::vector<std::string> splits;
    for (std::size_t k = 1; k < word.size() && splits.size() < count; ++k) {
        std::string left = word.substr(0, k);
        std::string right = word.substr(k);
        if (dictionary_.IsOemWord(left) && dictionary_.IsOemWord(right)) {
            splits.push_back(left + " " + right);
        }
    }
    return splits;
}

void TSuggestionEngine::CandidateWalk(TSuggestList& list, const TDCTFile& file,
                                      const std::string& word, const std::string& target) const {
    if (word.empty()) {
        return;
    }
    const std::size_t shortest = word.size() > 2 ? word.size() - 2 : 0;
    const std::size_t longest = word.size() + 2;
    const char first = AsciiText::LowerAscii(word[0]);

    std::uint32_t root = file.FindSibling(1, first);
    if (root == 0) {
        return;
    }
    std::uint32_t rootNode = file.ReadNode(root);
    if (TDCTFile::Child(rootNode) == 0) {
        return;
    }

    // Per length of p: the node to visit next, how many siblings of that list were visited, the
    // node that gave p its last letter, and the code of p.
    constexpr std::size_t kLevels = TDCTFile::kMaxWordLength + 4;
    std::array<std::uint32_t, kLevels> next{};
    std::array<std::uint32_t, kLevels> siblingsSeen{};
    std::array<std::uint32_t, kLevels> nodeAt{};
    std::array<PhoneticCode, kLevels> codeAt{};

    std::string p(1, first);
    next[1] = TDCTFile::Child(rootNode);
    nodeAt[1] = rootNode;
    codeAt[1].Append(first);
    WalkBudget budget(file);

    while (!p.empty()) {
        const std::size_t length = p.size();
        budget.Spend();
        if (++siblingsSeen[length] > TDCTFile::kMaxSiblings) {
            throw EDictionaryCorrupt();
        }
        std::uint32_t node = file.ReadNode(next[length]);
        p += TDCTFile::Letter(node);
        nodeAt[length + 1] = node;
        codeAt[length + 1] = codeAt[length];
        codeAt[length + 1].Append(TDCTFile::Letter(node));

        if (p.size() <= longest && codeAt[length + 1].IsPrefixOf(target)) {
            if (TDCTFile::IsEndOfWord(node) && p.size() >= shortest) {
                budget.Spend(p.size());
                list.Rank(word, p);
            }
            if (TDCTFile::Child(node) != 0) {
                next[p.size()] = TDCTFile::Child(node);
                siblingsSeen[p.size()] = 0;
                continue;
            }
        }
        // Back up: past every list that this node or its parents ended, then on to the next
        // sibling at the level reached. An emptied p means the first letter's words are done.
        if (TDCTFile::IsLastSibling(node)) {
            p.pop_back();
            while (p.size() > 1 && TDCTFile::IsLastSibling(nodeAt[p.size()])) {
                p.pop_back();
            }
        }
        p.pop_back();
        if (!p.empty()) {
            ++next[p.size()];
        }
    }
}

std::vector<std::string> TSuggestionEngine::Suggest(const std::string& word, int count) const {
    const std::size_t n = ClampCount(count);
    const std::string model = CodePage437::FromUtf8(word);
    const std::string w =
        AsciiText::Lower(model.substr(0, std::min(model.size(), TDCTFile::kMaxWordLength)));
    if (w.empty() || n == 0) {
        return {};
    }

    std::vector<std::string> result = SplitSuggestions(w, n);
    if (result.size() < n) {
        TSuggestList ranked(n - result.size());
        std::string target = PhoneticCode::Of(w, true);
        target[0] = AsciiText::UpperAscii(w[0]);
        for (const auto& file : dictionary_.DictionaryFiles()) {
            CandidateWalk(ranked, *file, w, target);
        }
        // The user's own words have no length window.
        for (const std::string& userWord : dictionary_.UserWords().Words()) {
            if (PhoneticCode::PrefixTest(userWord, target)) {
                ranked.Rank(w, userWord);
            }
        }
        for (const TSuggestion& entry : ranked.Entries()) {
            result.push_back(entry.word);
        }
    }
    for (std::string& entry : result) {
        entry = CodePage437::ToUtf8(LetterCase::Adjust(entry, model));
    }
    return result;
}

void TSuggestionEngine::Complete(const TDCTFile& file, const std::string& typed, std::size_t count,
                                 std::vector<std::string>& result) const {
    const std::string key = AsciiText::Lower(typed);
    std::uint32_t list = 1;
    for (std::size_t i = 0; i < key.size(); ++i) {
        std::uint32_t found = file.FindSibling(list, key[i]);
        if (found == 0) {
            return;
        }
        list = TDCTFile::Child(file.ReadNode(found));
        if (list == 0) {
            return;
        }
    }

    WalkBudget budget(file);
    CompletionWalk walk{file, typed, key.size(), count, result, budget};
    walk.Enumerate(list, "");
}

std::vector<std::string> TSuggestionEngine::CompleteWord(const std::string& typed,
                                                         int count) const {
    const std::size_t n = ClampCount(count);
    std::string oem = CodePage437::FromUtf8(typed);
    oem.resize(std::min(oem.size(), TDCTFile::kMaxWordLength));
    std::vector<std::string> result;
    if (oem.empty() || n == 0) {
        return result;
    }
    for (const auto& file : dictionary_.DictionaryFiles()) {
        if (result.size() >= n) {
            break;
        }
        Complete(*file, oem, n, result);
    }
    for (std::string& entry : result) {
        entry = CodePage437::ToUtf8(LetterCase::Adjust(entry, oem));
    }
    return result;
}

}  // namespace zendal
