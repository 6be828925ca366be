#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace zendal {

// How a document file was written: its character encoding and its line-break style.
struct DocumentFormat {
    enum class Encoding { Utf8, Windows1252 };
    enum class LineBreaks { LF, CRLF, CR };

    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;  // UTF-8 only: the file began with EF BB BF
    LineBreaks lineBreaks = LineBreaks::LF;
    bool operator==(const DocumentFormat&) const = default;
};

// Turns the bytes of a document file into Zendal's text (UTF-8 with CR LF line breaks) and back.
// A file that is not valid UTF-8 is read as Windows-1252, its five undefined bytes kept as the
// code points of the same number, so that every byte maps to one character and back.
class DocumentCodec {
  public:
    struct Decoded {
        std::string text;  // UTF-8, every line break CR LF
        DocumentFormat format;
    };

    static Decoded Decode(std::string_view bytes);
    // Characters that the document's encoding cannot hold are written as HTML character
    // references (&#N;), so nothing the user typed is lost.
    static std::string Encode(std::string_view text, const DocumentFormat& format);
    // Encode's result in pieces, each handed to sink as soon as it is made: the text is cut after
    // the first line feed at or past every kPieceSize characters, which splits neither a CR LF
    // pair nor a character.
    using Sink = std::function<void(std::string_view piece)>;
    static void EncodeInPieces(std::string_view text, const DocumentFormat& format,
                               const Sink& sink);
    static constexpr std::size_t kPieceSize = 256 * 1024;

    static bool IsValidUtf8(std::string_view bytes);
    static std::string Windows1252ToUtf8(std::string_view bytes);
    static std::string Utf8ToWindows1252(std::string_view text);
    // Every line break (CR LF, lone CR, lone LF) written in the given style.
    static std::string WithLineBreaks(std::string_view text, DocumentFormat::LineBreaks style);
    // The same, added to the end of out.
    static void AppendWithLineBreaks(std::string& out, std::string_view text,
                                     DocumentFormat::LineBreaks style);
};

}  // namespace zendal
