#include "cli/JsonString.h"

namespace zendal::cli {

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at bytes[i] (2 to 4), or 0 when it is not one.
std::size_t SequenceLength(std::string_view bytes, std::size_t i) {
    const auto byte = [&](std::size_t k) {
        return i + k < bytes.size() ? static_cast<unsigned char>(bytes[i + k]) : 0;
    };
    const unsigned char lead = byte(0);
    unsigned char low = 0x80;  // the range of the second byte
    unsigned char high = 0xBF;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            low = 0xA0;  // no overlong forms
        } else if (lead == 0xED) {
            high = 0x9F;  // no surrogates
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;  // nothing above U+10FFFF
        }
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (!IsContinuation(byte(k))) {
            return 0;
        }
    }
    return length;
}

void AppendEscape(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

}  // namespace

std::string JsonString(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if (c == '"' || c == '\\') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c < 0x20 || c == 0x7F) {
                AppendEscape(out, c);
            } else {
                out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(bytes, i);
        if (length == 0) {
            AppendEscape(out, c);
            ++i;
        } else {
            out.append(bytes.substr(i, length));
            i += length;
        }
    }
    out += '"';
    return out;
}

}  // namespace zendal::cli
