#include "spell/MemoryEditControl.h"

#include <algorithm>

namespace zendal {

std::u32string MemoryEditControl::Decode(const std::string& utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80                   ? 1
                     : lead >= 0xC2 && lead < 0xE0 ? 2
                     : lead >= 0xE0 && lead < 0xF0 ? 3
                     : lead >= 0xF0 && lead < 0xF5 ? 4
                                                   : 0;
        char32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
        bool valid = length > 0 && i + length <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = code << 6 | (next & 0x3F);
        }
        constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid &&
            (code < kMinimum[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))) {
            valid = false;
        }
        out += valid ? code : U'\uFFFD';
        i += valid ? length : 1;
    }
    return out;
}

std::string MemoryEditControl::Encode(const std::u32string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void MemoryEditControl::SetSelection(int start, int length) {
    int size = static_cast<int>(text_.size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
}

void MemoryEditControl::ReplaceSelection(const std::string& text) {
    std::u32string replacement = Decode(text);
    text_.replace(selStart_, selLength_, replacement);
    selStart_ += static_cast<int>(replacement.size());
    selLength_ = 0;
    modified_ = true;
    ++revision_;
}

void MemoryEditControl::SetText(const std::string& text) {
    text_ = Decode(text);
    SetSelection(selStart_, selLength_);
    modified_ = true;
    ++revision_;
}

}  // namespace zendal
