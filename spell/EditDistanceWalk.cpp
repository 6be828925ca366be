#include "spell/EditDistanceWalk.h"

#include <algorithm>
#include <array>

#include "spell/EDictionaryCorrupt.h"
#include "spell/TDCTFile.h"

namespace zendal {

namespace {

constexpr std::size_t kMaxLength = TDCTFile::kMaxWordLength;
constexpr std::size_t kMaxDepth = kMaxLength + EditDistanceWalk::kMaxEdits;
using Row = std::array<std::uint8_t, kMaxLength + 1>;

}  // namespace

void EditDistanceWalk::Collect(const TDCTFile& file, const std::string& word, int maxEdits,
                               std::vector<EditCandidate>& out) {
    const std::size_t length = std::min(word.size(), kMaxLength);
    const int reach = std::clamp(maxEdits, 0, kMaxEdits);
    if (length == 0) {
        return;
    }
    const auto beyond = static_cast<std::uint8_t>(reach + 1);

    // Per depth d (letters on the path): the row of the table for the path's first d letters,
    // the path's letter d, the node to visit next at depth d + 1, the siblings seen there, and
    // the number of the first word below the node of depth d.
    std::array<Row, kMaxDepth + 2> rows;
    std::array<char, kMaxDepth + 2> path{};
    std::array<std::uint32_t, kMaxDepth + 2> next{};
    std::array<std::uint32_t, kMaxDepth + 2> seen{};
    std::array<std::uint64_t, kMaxDepth + 2> base{};
    // The edits allowed below each depth: one less below a first letter that is neither the
    // word's first nor its second, since people seldom get the start of a word wrong.
    std::array<int, kMaxDepth + 2> allowed{};
    for (std::size_t j = 0; j <= length; ++j) {
        rows[0][j] = static_cast<std::uint8_t>(std::min<std::size_t>(j, beyond));
    }
    std::uint64_t budget = 4 * file.WalkBudget();
    std::string letters;
    std::size_t depth = 0;
    next[0] = 1;
    seen[0] = 0;
    base[0] = 0;

    while (true) {
        if (budget-- == 0) {
            throw EDictionaryCorrupt();
        }
        if (++seen[depth] > TDCTFile::kMaxSiblings) {
            throw EDictionaryCorrupt();
        }
        const std::uint32_t at = next[depth];
        const std::uint32_t node = file.ReadNode(at);
        const char c = TDCTFile::Letter(node);
        const std::size_t d = depth + 1;  // the depth of this node's letter
        const Row& above = rows[d - 1];
        Row& row = rows[d];
        path[d] = c;

        // The cells that can be within reach lie within reach of the diagonal.
        const std::size_t first = d > std::size_t(reach) ? d - reach : 1;
        const std::size_t last = std::min(length, d + reach);
        std::uint8_t best = beyond;
        row[0] = static_cast<std::uint8_t>(std::min<std::size_t>(d, beyond));
        if (first > 1) {
            row[first - 1] = beyond;
        }
        for (std::size_t j = first; j <= last; ++j) {
            int cost = word[j - 1] == c ? 0 : 1;
            int v = std::min({above[j] + 1, row[j - 1] + 1, above[j - 1] + cost});
            if (d >= 2 && j >= 2 && c == word[j - 2] && path[d - 1] == word[j - 1]) {
                v = std::min(v, rows[d - 2][j - 2] + 1);
            }
            row[j] = static_cast<std::uint8_t>(std::min<int>(v, beyond));
            best = std::min(best, row[j]);
        }
        if (last < length) {
            row[last + 1] = beyond;
        }
        best = std::min(best, row[0]);

        if (d == 1) {
            allowed[1] = c == word[0] || (length > 1 && c == word[1]) ? reach : reach - 1;
        } else {
            allowed[d] = allowed[d - 1];
        }
        const std::uint64_t number = base[depth] + file.WordsBefore(at);
        letters.resize(depth);
        letters += c;
        if (TDCTFile::IsEndOfWord(node) && last == length && row[length] <= allowed[d]) {
            std::uint8_t frequency =
                number <= UINT32_MAX ? file.FrequencyBand(static_cast<std::uint32_t>(number)) : 0;
            out.push_back({letters, row[length], frequency});
        }
        const std::uint32_t child = TDCTFile::Child(node);
        if (child != 0 && best <= allowed[d] && d < length + reach && d < kMaxDepth) {
            depth = d;
            next[depth] = child;
            seen[depth] = 0;
            base[depth] = number + (TDCTFile::IsEndOfWord(node) ? 1 : 0);
            continue;
        }
        // On to the next sibling, backing up past the lists that end here.
        std::uint32_t current = node;
        while (TDCTFile::IsLastSibling(current)) {
            if (depth == 0) {
                return;
            }
            --depth;
            current = file.ReadNode(next[depth]);
        }
        ++next[depth];
    }
}

}  // namespace zendal
