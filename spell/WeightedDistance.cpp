#include "spell/WeightedDistance.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace zendal {

namespace {

constexpr int kDoubled = 35;     // a letter typed twice, or a doubled letter typed once
constexpr int kAccent = 30;      // a letter with another accent, or without its accent
constexpr int kSwapped = 55;     // two neighbours swapped
constexpr int kVowel = 75;       // a vowel for a vowel
constexpr int kSoundAlike = 60;  // c for k, s for z and the like
constexpr int kNeighbourKey = 85;
constexpr int kFirstLetter = 45;  // extra, when the first letters differ

// The letters around each key of a QWERTY keyboard.
constexpr const char* kNeighbours[26] = {
    "qwsz",   "vghn",  "xdfv", "serfcx", "wsdr", "drtgvc", "ftyhbv", "gyujnb", "ujko",
    "huikmn", "jiolm", "kop",  "njk",    "bhjm", "iklp",   "ol",     "wa",     "edft",
    "awedxz", "rfgy",  "yhji", "cfgb",   "qase", "zsdc",   "tghu",   "asx",
};

// Pairs that stand for one another in speech (code page 437: \x87 is c cedilla, \xE1 sharp s).
constexpr const char* kSoundAlikePairs[] = {"ck", "cs", "sz", "iy",    "kq",   "gj",
                                            "fv", "sc", "zx", "\x87s", "\xE1s"};

// The letter without its accent, for the accented letters of code page 437 (0x80 to 0xA5; the
// currency signs among them stay as they are).
constexpr char kBaseLetters[] =
    "cueaaaaceeeiiiaaeaaooouuyou\x9b\x9c\x9d\x9e\x9f"
    "aiounn";
static_assert(sizeof(kBaseLetters) - 1 == 0xA6 - 0x80);

char BaseLetter(char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 && byte <= 0xA5 ? kBaseLetters[byte - 0x80] : c;
}

bool IsAZ(char c) {
    return c >= 'a' && c <= 'z';
}

}  // namespace

bool WeightedDistance::IsVowel(char c) {
    return c != '\0' && std::strchr("aeiouy", c) != nullptr;
}

bool WeightedDistance::AreKeyboardNeighbours(char a, char b) {
    return IsAZ(a) && IsAZ(b) && std::strchr(kNeighbours[a - 'a'], b) != nullptr;
}

int WeightedDistance::ReplaceCost(char meant, char typed) {
    if (meant == typed) {
        return 0;
    }
    if (BaseLetter(meant) == BaseLetter(typed)) {
        return kAccent;
    }
    if (IsVowel(meant) && IsVowel(typed)) {
        return kVowel;
    }
    for (const char* pair : kSoundAlikePairs) {
        if ((pair[0] == meant && pair[1] == typed) || (pair[1] == meant && pair[0] == typed)) {
            return kSoundAlike;
        }
    }
    if (AreKeyboardNeighbours(meant, typed)) {
        return kNeighbourKey;
    }
    return kEdit;
}

int WeightedDistance::Of(const std::string& misspelling, const std::string& candidate) {
    const std::string& a = misspelling;  // typed
    const std::string& b = candidate;    // meant
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    // The table of an optimal alignment with neighbour swaps; cell (i, j) is the cost of typing
    // a's first i letters for b's first j.
    std::vector<int> table((n + 1) * (m + 1));
    auto cell = [&](std::size_t i, std::size_t j) -> int& { return table[i * (m + 1) + j]; };
    // A letter typed in excess costs less when it repeats a letter beside it.
    auto extraCost = [&](std::size_t i) {  // a[i - 1] typed in excess
        char c = a[i - 1];
        bool repeats = (i >= 2 && a[i - 2] == c) || (i < n && a[i] == c);
        return repeats ? kDoubled : kEdit;
    };
    auto missingCost = [&](std::size_t j) {  // b[j - 1] left out
        char c = b[j - 1];
        bool repeats = (j >= 2 && b[j - 2] == c) || (j < m && b[j] == c);
        return repeats ? kDoubled : kEdit;
    };
    cell(0, 0) = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        cell(i, 0) = cell(i - 1, 0) + extraCost(i);
    }
    for (std::size_t j = 1; j <= m; ++j) {
        cell(0, j) = cell(0, j - 1) + missingCost(j);
    }
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j) {
            int v = std::min({cell(i - 1, j) + extraCost(i), cell(i, j - 1) + missingCost(j),
                              cell(i - 1, j - 1) + ReplaceCost(b[j - 1], a[i - 1])});
            if (i >= 2 && j >= 2 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                v = std::min(v, cell(i - 2, j - 2) + kSwapped);
            }
            cell(i, j) = v;
        }
    }
    int cost = cell(n, m);
    if (!a.empty() && !b.empty() && a[0] != b[0]) {
        cost += kFirstLetter;
    }
    return cost;
}

}  // namespace zendal
