#include "app/DocumentCodec.h"

#include <array>
#include <cstdint>

namespace zendal {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Code points of the bytes 0x80 to 0x9F; the five undefined bytes keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at i (no overlong forms, no surrogates, at most
// U+10FFFF), or 0 when the bytes there are not one.
std::size_t SequenceLength(std::string_view s, std::size_t i, char32_t& cp) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t b0 = byte(i);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    std::size_t length;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, min = 0x80, cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, min = 0x800, cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, min = 0x10000, cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return length;
}

int Windows1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == cp) {
            return static_cast<int>(0x80 + k);
        }
    }
    return -1;
}

}  // namespace

bool DocumentCodec::IsValidUtf8(std::string_view bytes) {
    char32_t cp;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t length = SequenceLength(bytes, i, cp);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string DocumentCodec::Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b < 0x80) {
            out += c;
        } else {
            AppendUtf8(out, b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b});
        }
    }
    return out;
}

std::string DocumentCodec::Utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char32_t cp;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = SequenceLength(text, i, cp);
        if (length == 0) {
            // Not UTF-8: the byte goes out as it came in.
            out += text[i++];
            continue;
        }
        int byte = Windows1252Byte(cp);
        if (byte >= 0) {
            out += static_cast<char>(byte);
        } else {
            out += "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
        }
        i += length;
    }
    return out;
}

DocumentFormat::LineBreaks DocumentCodec::DetectLineBreaks(std::string_view bytes) {
    std::size_t crlf = 0, lf = 0, cr = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (bytes[i] == '\n') {
            ++lf;
        }
    }
    using LineBreaks = DocumentFormat::LineBreaks;
    if (crlf == 0 && lf == 0 && cr == 0) {
        return LineBreaks::LF;
    }
    if (crlf >= lf && crlf >= cr) {
        return LineBreaks::CRLF;
    }
    return lf >= cr ? LineBreaks::LF : LineBreaks::CR;
}

std::string DocumentCodec::WithLineBreaks(std::string_view text, DocumentFormat::LineBreaks style) {
    using LineBreaks = DocumentFormat::LineBreaks;
    const std::string_view lineBreak = style == LineBreaks::CRLF ? "\r\n"
                                       : style == LineBreaks::CR ? "\r"
                                                                 : "\n";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            out += lineBreak;
        } else if (c == '\n') {
            out += lineBreak;
        } else {
            out += c;
        }
    }
    return out;
}

DocumentCodec::Decoded DocumentCodec::Decode(std::string_view bytes) {
    Decoded result;
    result.format.lineBreaks = DetectLineBreaks(bytes);
    const bool utf8 = IsValidUtf8(bytes);
    if (utf8 && bytes.starts_with(kByteOrderMark)) {
        result.format.byteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    if (utf8) {
        result.text = WithLineBreaks(bytes, DocumentFormat::LineBreaks::CRLF);
    } else {
        result.format.encoding = DocumentFormat::Encoding::Windows1252;
        result.text = WithLineBreaks(Windows1252ToUtf8(bytes), DocumentFormat::LineBreaks::CRLF);
    }
    return result;
}

std::string DocumentCodec::Encode(std::string_view text, const DocumentFormat& format) {
    std::string lines = WithLineBreaks(text, format.lineBreaks);
    if (format.encoding == DocumentFormat::Encoding::Windows1252) {
        return Utf8ToWindows1252(lines);
    }
    return format.byteOrderMark ? std::string(kByteOrderMark) + lines : lines;
}

}  // namespace zendal
