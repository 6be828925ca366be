#include "spell/RankedSuggester.h"

#include <algorithm>
#include <unordered_map>

#include "base/AsciiText.h"
#include "spell/CodePage437.h"
#include "spell/EditDistanceWalk.h"
#include "spell/LetterCase.h"
#include "spell/PhoneticCode.h"
#include "spell/TDCTFile.h"
#include "spell/TDictionary.h"
#include "spell/TSuggestList.h"
#include "spell/TSuggestionEngine.h"
#include "spell/TWordList.h"
#include "spell/WeightedDistance.h"

namespace zendal {

namespace {

// Bonus per four steps of the frequency byte (eight steps per doubling of the count): a word
// a hundred times more common than another gains some two plain edits on it.
constexpr int kPerFourFrequencySteps = 3;
// The byte that a word without a count is taken to have: rarer than any counted word.
constexpr int kUnknownFrequency = -8;
// A word of the user's own is taken to be as common as this.
constexpr std::uint8_t kUserWordFrequency = 80;
// A candidate whose sound-alike code is the misspelling's.
constexpr int kSoundsAlike = 25;
// A cut into two words costs an inserted blank.
constexpr int kCut = 90;
// Both halves of a cut must be at least this common (about 2000 in the counts).
constexpr std::uint8_t kCommonWord = 88;
// Without counts, short words are too many to tell a likely cut: both halves must be this long,
// and the cut costs as much as two edits.
constexpr std::size_t kShortestHalf = 2;
constexpr int kUncountedCut = 200;
// How many candidates the sound-alike walk contributes.
constexpr std::size_t kSoundAlikeCandidates = 15;

int MaxEdits(std::size_t length) {
    return length <= 2 ? 1 : 2;
}

std::uint8_t FrequencyOf(const TDictionary& dictionary, const std::string& word) {
    std::uint8_t best = 0;
    for (const auto& file : dictionary.DictionaryFiles()) {
        best = std::max(best, file->FrequencyOf(word));
    }
    return best;
}

bool HasFrequencies(const TDictionary& dictionary) {
    return std::any_of(dictionary.DictionaryFiles().begin(), dictionary.DictionaryFiles().end(),
                       [](const auto& file) { return file->HasFrequencies(); });
}

}  // namespace

int RankedSuggester::FrequencyBonus(std::uint8_t band) {
    return kPerFourFrequencySteps * (band == 0 ? kUnknownFrequency : int(band)) / 4;
}

std::vector<RankedSuggester::Ranked> RankedSuggester::Rank(const std::string& word,
                                                           std::size_t count) const {
    const std::string w = word.substr(0, std::min(word.size(), TDCTFile::kMaxWordLength));
    if (w.empty() || count == 0) {
        return {};
    }
    // The best frequency byte of each candidate.
    std::unordered_map<std::string, std::uint8_t> candidates;
    auto offer = [&](const std::string& candidate, std::uint8_t frequency) {
        auto [entry, inserted] = candidates.emplace(candidate, frequency);
        if (!inserted) {
            entry->second = std::max(entry->second, frequency);
        }
    };

    std::vector<EditCandidate> near;
    for (const auto& file : dictionary_.DictionaryFiles()) {
        EditDistanceWalk::Collect(*file, w, MaxEdits(w.size()), near);
    }
    for (const EditCandidate& candidate : near) {
        offer(candidate.word, candidate.frequency);
    }

    TSuggestionEngine classic(dictionary_);
    std::string target = PhoneticCode::Of(w, true);
    target[0] = AsciiText::UpperAscii(w[0]);
    TSuggestList soundAlike(kSoundAlikeCandidates);
    for (const auto& file : dictionary_.DictionaryFiles()) {
        classic.CandidateWalk(soundAlike, *file, w, target);
    }
    for (const TSuggestion& entry : soundAlike.Entries()) {
        offer(entry.word, FrequencyOf(dictionary_, entry.word));
    }
    for (const std::string& userWord : dictionary_.UserWords().Words()) {
        if (PhoneticCode::PrefixTest(userWord, target) ||
            WeightedDistance::Of(w, userWord) <= 2 * WeightedDistance::kEdit) {
            offer(userWord, kUserWordFrequency);
        }
    }

    std::vector<Ranked> ranked;
    ranked.reserve(candidates.size() + w.size());
    for (const auto& [candidate, frequency] : candidates) {
        if (candidate == w) {
            continue;
        }
        int score = WeightedDistance::Of(w, candidate) - FrequencyBonus(frequency);
        if (PhoneticCode::Of(candidate, true) == PhoneticCode::Of(w, true)) {
            score -= kSoundsAlike;
        }
        ranked.push_back({candidate, score});
    }

    // Cuts into two words, both common ones (without counts: two words that are not short).
    const bool counted = HasFrequencies(dictionary_);
    // A one-letter word ends no cut: "until l" is no likely slip, "a lot" is.
    for (std::size_t k = 1; k + 1 < w.size(); ++k) {
        std::string left = w.substr(0, k);
        std::string right = w.substr(k);
        if (!dictionary_.IsOemWord(left) || !dictionary_.IsOemWord(right)) {
            continue;
        }
        std::uint8_t rarer =
            std::min(FrequencyOf(dictionary_, left), FrequencyOf(dictionary_, right));
        if (counted ? rarer < kCommonWord : std::min(left.size(), right.size()) < kShortestHalf) {
            continue;
        }
        ranked.push_back(
            {left + " " + right, (counted ? kCut : kUncountedCut) - FrequencyBonus(rarer)});
    }

    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        return a.score != b.score ? a.score < b.score : a.word < b.word;
    });
    if (ranked.size() > count) {
        ranked.resize(count);
    }
    return ranked;
}

std::vector<std::string> RankedSuggester::Suggest(const std::string& word, int count) const {
    const std::size_t n =
        static_cast<std::size_t>(std::clamp(count, 0, TSuggestionEngine::kMaxCount));
    const std::string model = CodePage437::FromUtf8(word);
    std::vector<std::string> result;
    for (const Ranked& entry : Rank(AsciiText::Lower(model), n)) {
        result.push_back(CodePage437::ToUtf8(LetterCase::Adjust(entry.word, model)));
    }
    return result;
}

}  // namespace zendal
