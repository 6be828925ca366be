#include "spell/CodePage437.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace zendal {

namespace {

// The Unicode code points of the bytes 0x80 to 0xFF; 0x00 to 0x7F are ASCII.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

constexpr char kUnmappable = '?';

const std::unordered_map<char32_t, unsigned char>& HighHalfBytes() {
    static const std::unordered_map<char32_t, unsigned char> bytes = [] {
        std::unordered_map<char32_t, unsigned char> map;
        for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
            map.emplace(kHighHalf[i], static_cast<unsigned char>(0x80 + i));
        }
        return map;
    }();
    return bytes;
}

// Decodes one UTF-8 sequence at text[i]; advances i. Returns false for a malformed sequence
// (i then moves past its first byte).
bool DecodeUtf8(const std::string& text, std::size_t& i, char32_t& code) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    int extra = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        ++i;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, value = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return false;
    }
    if (i + extra >= text.size()) {
        ++i;
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += extra + 1;
    code = value;
    return true;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Upper-case partners in the dictionary's case table, indexed by byte - 0x80; 0 = unchanged.
constexpr std::array<unsigned char, 40> kUpperHigh = {
    0,   0x9A, 0x90, 'A', 0x8E, 'A', 0x8F, 0x80,  // Ç ü é â ä à å ç
    'E', 'E',  'E',  'I', 'I',  'I', 0,    0,     // ê ë è ï î ì Ä Å
    0,   0x92, 0,    'O', 0x99, 'O', 'U',  0,     // É æ Æ ô ö ò û ù
    'Y', 0,    0,    0,   0,    0,   0,    0,     // ÿ Ö Ü ¢ £ ¥ ₧ ƒ
    'A', 'I',  'O',  'U', 0xA5, 0,   0,    0,     // á í ó ú ñ Ñ ª º
};

}  // namespace

std::string CodePage437::FromUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t code = 0;
        if (!DecodeUtf8(utf8, i, code)) {
            out += kUnmappable;
        } else if (code < 0x80) {
            out += static_cast<char>(code);
        } else {
            auto found = HighHalfBytes().find(code);
            out += found == HighHalfBytes().end() ? kUnmappable : static_cast<char>(found->second);
        }
    }
    return out;
}

std::string CodePage437::ToUtf8(const std::string& oem) {
    std::string out;
    out.reserve(oem.size() + oem.size() / 4);
    for (char c : oem) {
        auto byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte < 0x80 ? char32_t(byte) : kHighHalf[byte - 0x80]);
    }
    return out;
}

bool CodePage437::CanEncode(const std::string& utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t code = 0;
        if (!DecodeUtf8(utf8, i, code)) {
            return false;
        }
        if (code >= 0x80 && HighHalfBytes().count(code) == 0) {
            return false;
        }
    }
    return true;
}

char CodePage437::Upper(char c) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') {
        return static_cast<char>(byte - 32);
    }
    if (byte >= 0x80 && byte - 0x80u < kUpperHigh.size() && kUpperHigh[byte - 0x80] != 0) {
        return static_cast<char>(kUpperHigh[byte - 0x80]);
    }
    return c;
}

std::string CodePage437::Upper(std::string text) {
    for (char& c : text) {
        c = Upper(c);
    }
    return text;
}

}  // namespace zendal
