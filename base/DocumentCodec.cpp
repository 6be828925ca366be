#include "base/DocumentCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

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

// Whether the count bytes from p are all below 0x80.
bool IsAscii(const char* p, std::size_t count) {
    std::uint64_t any = 0;
    for (std::size_t k = 0; k < count; k += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + k, 8);
        any |= word;
    }
    return (any & 0x8080808080808080u) == 0;
}

// The number of ASCII bytes from i on; text is mostly ASCII, so sixteen are tested at a time.
std::size_t AsciiRun(std::string_view s, std::size_t i) {
    std::size_t k = i;
    while (k + 16 <= s.size() && IsAscii(s.data() + k, 16)) {
        k += 16;
    }
    while (k < s.size() && static_cast<std::uint8_t>(s[k]) < 0x80) {
        ++k;
    }
    return k - i;
}

// Utf8ToWindows1252, added to the end of out.
void AppendWindows1252(std::string& out, std::string_view text) {
    out.reserve(out.size() + text.size());
    char32_t cp;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t run = AsciiRun(text, i);
        out.append(text.data() + i, run);
        i += run;
        if (i == text.size()) {
            break;
        }
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
}

// How many line breaks of each kind a text holds: CR LF pairs, lone LF, lone CR.
struct LineBreakCounts {
    std::size_t crlf = 0;
    std::size_t lf = 0;
    std::size_t cr = 0;
};

// AppendWithLineBreaks, giving the counts of the breaks that it rewrote.
LineBreakCounts AppendCounted(std::string& out, std::string_view text,
                              DocumentFormat::LineBreaks style) {
    using LineBreaks = DocumentFormat::LineBreaks;
    const std::string_view lineBreak = style == LineBreaks::CRLF ? "\r\n"
                                       : style == LineBreaks::CR ? "\r"
                                                                 : "\n";
    out.reserve(out.size() + text.size());
    LineBreakCounts counts;
    constexpr std::size_t npos = std::string_view::npos;
    // The next CR and the next LF at or after pos, each searched again only once passed.
    std::size_t cr = text.find('\r');
    std::size_t lf = text.find('\n');
    std::size_t pos = 0;
    for (;;) {
        const std::size_t brk = std::min(cr, lf);
        if (brk == npos) {
            break;
        }
        out.append(text.data() + pos, brk - pos);
        out.append(lineBreak);
        pos = brk + 1;
        if (brk == cr) {
            if (lf == pos) {
                ++counts.crlf;
                lf = text.find('\n', ++pos);
            } else {
                ++counts.cr;
            }
            cr = text.find('\r', pos);
        } else {
            ++counts.lf;
            lf = text.find('\n', pos);
        }
    }
    out.append(text.data() + pos, text.size() - pos);
    return counts;
}

// Ties go to CR LF, then LF; LF when there is no break at all.
DocumentFormat::LineBreaks MostFrequent(const LineBreakCounts& counts) {
    using LineBreaks = DocumentFormat::LineBreaks;
    if (counts.crlf == 0 && counts.lf == 0 && counts.cr == 0) {
        return LineBreaks::LF;
    }
    if (counts.crlf >= counts.lf && counts.crlf >= counts.cr) {
        return LineBreaks::CRLF;
    }
    return counts.lf >= counts.cr ? LineBreaks::LF : LineBreaks::CR;
}

}  // namespace

bool DocumentCodec::IsValidUtf8(std::string_view bytes) {
    char32_t cp;
    for (std::size_t i = AsciiRun(bytes, 0); i < bytes.size(); i += AsciiRun(bytes, i)) {
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
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t run = AsciiRun(bytes, i);
        out.append(bytes.data() + i, run);
        i += run;
        if (i < bytes.size()) {
            const auto b = static_cast<std::uint8_t>(bytes[i++]);
            AppendUtf8(out, b < 0xA0 ? kHighControls[b - 0x80] : char32_t{b});
        }
    }
    return out;
}

std::string DocumentCodec::Utf8ToWindows1252(std::string_view text) {
    std::string out;
    AppendWindows1252(out, text);
    return out;
}

void DocumentCodec::AppendWithLineBreaks(std::string& out, std::string_view text,
                                         DocumentFormat::LineBreaks style) {
    AppendCounted(out, text, style);
}

std::string DocumentCodec::WithLineBreaks(std::string_view text, DocumentFormat::LineBreaks style) {
    std::string out;
    AppendWithLineBreaks(out, text, style);
    return out;
}

DocumentCodec::Decoded DocumentCodec::Decode(std::string_view bytes) {
    Decoded result;
    const bool utf8 = IsValidUtf8(bytes);
    if (utf8 && bytes.starts_with(kByteOrderMark)) {
        result.format.byteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::string converted;
    if (!utf8) {
        result.format.encoding = DocumentFormat::Encoding::Windows1252;
        converted = Windows1252ToUtf8(bytes);
        bytes = converted;
    }
    // Room for a CR before every LF of lines down to eight characters long; only the part
    // that is written to is ever touched.
    result.text.reserve(bytes.size() + bytes.size() / 8 + 2);
    // Only bytes from 0x80 up change in the conversion, so the breaks are the file's own.
    result.format.lineBreaks =
        MostFrequent(AppendCounted(result.text, bytes, DocumentFormat::LineBreaks::CRLF));
    return result;
}

std::string DocumentCodec::Encode(std::string_view text, const DocumentFormat& format) {
    std::string bytes;
    bytes.reserve(kByteOrderMark.size() + text.size());
    EncodeInPieces(text, format, [&bytes](std::string_view piece) { bytes.append(piece); });
    return bytes;
}

void DocumentCodec::EncodeInPieces(std::string_view text, const DocumentFormat& format,
                                   const Sink& sink) {
    const bool windows1252 = format.encoding == DocumentFormat::Encoding::Windows1252;
    // Both buffers serve every piece in turn.
    std::string piece;
    std::string lines;
    if (!windows1252 && format.byteOrderMark) {
        piece = kByteOrderMark;
    }
    std::size_t pos = 0;
    do {
        std::size_t cut = text.size() - pos > kPieceSize ? text.find('\n', pos + kPieceSize)
                                                         : std::string_view::npos;
        cut = cut == std::string_view::npos ? text.size() : cut + 1;
        const std::string_view part = text.substr(pos, cut - pos);
        if (windows1252) {
            lines.clear();
            AppendWithLineBreaks(lines, part, format.lineBreaks);
            AppendWindows1252(piece, lines);
        } else {
            AppendWithLineBreaks(piece, part, format.lineBreaks);
        }
        sink(piece);
        piece.clear();
        pos = cut;
    } while (pos < text.size());
}

}  // namespace zendal
