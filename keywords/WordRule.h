#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zendal {

// How the key word generator and the analysis cut text into words. Words are separated by white
// space (any Unicode white space, the no-break space included), control characters and commas.
// A word is trimmed of the characters at its start and end that are neither letters nor digits,
// "(bread)," is "bread", and keeps those inside it: "e-mail", "don't", "3.5". A piece without a
// letter or a digit, "-" or "//", is no word. Letters and digits are those of every script.
class WordRule {
  public:
    // Calls take(word) with each word of a UTF-8 text, in order; each is a view into the text.
    template <class Take>
    static void ForEachWord(std::string_view text, Take&& take);
    static std::vector<std::string> Words(std::string_view text);
    // The word of one piece of text: trimmed as above, empty when it holds no letter or digit.
    static std::string_view Trim(std::string_view piece);
    // Whether a byte separates words by itself: a blank, a control character or a comma. No
    // byte of a character outside ASCII does.
    static bool SeparatesWords(char c) { return static_cast<unsigned char>(c) <= 32 || c == ','; }

    // What a character is to the rule.
    enum class Kind : std::uint8_t { Separator, LetterOrDigit, Mark, Other };
    // The kind of the character that starts at text[at] (UTF-8), and its length in bytes, which
    // is at least one; a byte that starts no valid character is Other.
    static Kind KindAt(std::string_view text, std::size_t at, std::size_t& length);

  private:
    static const std::array<Kind, 128>& AsciiKinds();
};

template <class Take>
void WordRule::ForEachWord(std::string_view text, Take&& take) {
    const std::array<Kind, 128>& ascii = AsciiKinds();
    const std::size_t n = text.size();
    std::size_t i = 0;
    // The word of the piece being read runs from first to end; first is npos until a letter or a
    // digit has been seen in it.
    constexpr std::size_t kNone = std::string_view::npos;
    std::size_t first = kNone;
    std::size_t end = 0;
    while (i < n) {
        const auto byte = static_cast<unsigned char>(text[i]);
        Kind kind;
        std::size_t length = 1;
        if (byte < 0x80) {
            kind = ascii[byte];
        } else {
            kind = KindAt(text, i, length);
        }
        switch (kind) {
            case Kind::Separator:
                if (first != kNone) {
                    take(text.substr(first, end - first));
                    first = kNone;
                }
                break;
            case Kind::LetterOrDigit:
                if (first == kNone) {
                    first = i;
                }
                end = i + length;
                break;
            case Kind::Mark:
                // A mark belongs to the letter before it.
                if (first != kNone && end == i) {
                    end = i + length;
                }
                break;
            case Kind::Other:
                break;
        }
        i += length;
    }
    if (first != kNone) {
        take(text.substr(first, end - first));
    }
}

}  // namespace zendal
