#include "keywords/WordRule.h"

#include <unicode/uchar.h>

namespace zendal {

namespace {

// Commas of other scripts separate words as the ASCII comma does.
bool IsComma(UChar32 c) {
    return c == 0x060C || c == 0x3001 || c == 0xFE50 || c == 0xFF0C;
}

// The zero width space marks a break between words where no blank is shown.
constexpr UChar32 kZeroWidthSpace = 0x200B;

WordRule::Kind KindOf(UChar32 c) {
    if (u_isUWhiteSpace(c) || IsComma(c) || u_iscntrl(c) || c == kZeroWidthSpace) {
        return WordRule::Kind::Separator;
    }
    const std::int32_t category = U_MASK(u_charType(c));
    if ((category & (U_GC_L_MASK | U_GC_N_MASK)) != 0) {
        return WordRule::Kind::LetterOrDigit;
    }
    if ((category & U_GC_M_MASK) != 0) {
        return WordRule::Kind::Mark;
    }
    return WordRule::Kind::Other;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

const std::array<WordRule::Kind, 128>& WordRule::AsciiKinds() {
    static const std::array<Kind, 128> kinds = [] {
        std::array<Kind, 128> table{};
        for (int c = 0; c < 128; ++c) {
            table[c] = KindOf(c);
        }
        for (int c = 0; c < 128; ++c) {
            if (SeparatesWords(static_cast<char>(c))) {
                table[c] = Kind::Separator;
            }
        }
        return table;
    }();
    return kinds;
}

WordRule::Kind WordRule::KindAt(std::string_view text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = 1;
    if (lead < 0x80) {
        return AsciiKinds()[lead];
    }
    std::size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (size == 0 || lead > 0xF4 || at + size > text.size()) {
        return Kind::Other;
    }
    UChar32 c = lead & (0x7F >> size);
    for (std::size_t k = 1; k < size; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        if (!IsContinuation(byte)) {
            return Kind::Other;
        }
        c = (c << 6) | (byte & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF start no character.
    static constexpr UChar32 kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[size] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return Kind::Other;
    }
    length = size;
    return KindOf(c);
}

std::vector<std::string> WordRule::Words(std::string_view text) {
    std::vector<std::string> words;
    ForEachWord(text, [&words](std::string_view word) { words.emplace_back(word); });
    return words;
}

std::string_view WordRule::Trim(std::string_view piece) {
    std::string_view word;
    ForEachWord(piece, [&word, piece](std::string_view found) {
        // The piece is one word when nothing in it separates: from its first word to its last.
        word = word.empty() ? found
                            : piece.substr(word.data() - piece.data(),
                                           found.data() + found.size() - word.data());
    });
    return word;
}

}  // namespace zendal
