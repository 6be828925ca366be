#include "base/DocumentCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using zendal::DocumentCodec;
using zendal::DocumentFormat;
using Encoding = DocumentFormat::Encoding;
using LineBreaks = DocumentFormat::LineBreaks;

namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string text;
    DocumentFormat format;
    bool roundTrips;  // a mixed file comes back in its most frequent style
};

class Decoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(Decoding, GivesCRLFTextAndRemembersTheFormat) {
    const DecodeCase& c = GetParam();
    DocumentCodec::Decoded decoded = DocumentCodec::Decode(c.bytes);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(decoded.format, c.format);
    if (c.roundTrips) {
        EXPECT_EQ(DocumentCodec::Encode(decoded.text, decoded.format), c.bytes);
    }
}

const DocumentFormat kUtf8LF{Encoding::Utf8, false, LineBreaks::LF};

INSTANTIATE_TEST_SUITE_P(
    Files, Decoding,
    testing::Values(
        DecodeCase{"LF", "a\nb\n", "a\r\nb\r\n", kUtf8LF, true},
        DecodeCase{"CRLF", "a\r\nb", "a\r\nb", {Encoding::Utf8, false, LineBreaks::CRLF}, true},
        DecodeCase{"CR", "a\rb\r", "a\r\nb\r\n", {Encoding::Utf8, false, LineBreaks::CR}, true},
        DecodeCase{"NoBreak", "<html>", "<html>", kUtf8LF, true},
        DecodeCase{"MixedMostlyLF", "a\nb\r\nc\n", "a\r\nb\r\nc\r\n", kUtf8LF, false},
        DecodeCase{"MixedTieGoesToCRLF",
                   "a\nb\r\n",
                   "a\r\nb\r\n",
                   {Encoding::Utf8, false, LineBreaks::CRLF},
                   false},
        DecodeCase{"LoneCRBeforeCRLF",
                   "a\r\r\nb\r",
                   "a\r\n\r\nb\r\n",
                   {Encoding::Utf8, false, LineBreaks::CR},
                   false},
        DecodeCase{"LFCRIsTwoBreaks",
                   "a\n\rb",
                   "a\r\n\r\nb",
                   {Encoding::Utf8, false, LineBreaks::LF},
                   false},
        DecodeCase{"Utf8", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\n",
                   "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\r\n", kUtf8LF, true},
        DecodeCase{"ByteOrderMark",
                   "\xEF\xBB\xBF<html>\n",
                   "<html>\r\n",
                   {Encoding::Utf8, true, LineBreaks::LF},
                   true},
        DecodeCase{"ByteOrderMarkCRLF",
                   "\xEF\xBB\xBF<html>\r\n",
                   "<html>\r\n",
                   {Encoding::Utf8, true, LineBreaks::CRLF},
                   true},
        // Long ASCII runs are checked in blocks; what follows them is checked as before.
        DecodeCase{"Utf8AcrossABlock", std::string(15, 'a') + "\xC3\xA9" + std::string(20, 'b'),
                   std::string(15, 'a') + "\xC3\xA9" + std::string(20, 'b'), kUtf8LF, true},
        DecodeCase{"TruncatedAfterABlock",
                   std::string(32, 'a') + "\xC3",
                   std::string(32, 'a') + "\xC3\x83",
                   {Encoding::Windows1252, false, LineBreaks::LF},
                   true},
        DecodeCase{"Windows1252",
                   "caf\xE9 \x80\x93\r\n",
                   "caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C\r\n",
                   {Encoding::Windows1252, false, LineBreaks::CRLF},
                   true},
        DecodeCase{"UndefinedBytesKeepTheirNumber",
                   "\x81\x8D\x8F\x90\x9D",
                   "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D",
                   {Encoding::Windows1252, false, LineBreaks::LF},
                   true},
        // Byte sequences that look like UTF-8 but are not make the whole file Windows-1252.
        DecodeCase{"Overlong",
                   "\xC0\x80",
                   "\xC3\x80\xE2\x82\xAC",
                   {Encoding::Windows1252, false, LineBreaks::LF},
                   true},
        DecodeCase{"Surrogate",
                   "\xED\xA0\x80",
                   "\xC3\xAD\xC2\xA0\xE2\x82\xAC",
                   {Encoding::Windows1252, false, LineBreaks::LF},
                   true},
        DecodeCase{"Truncated",
                   "ab\xC3",
                   "ab\xC3\x83",
                   {Encoding::Windows1252, false, LineBreaks::LF},
                   true},
        DecodeCase{"BeyondUnicode",
                   "\xF5\x80\x80\x80",
                   "\xC3\xB5\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC",
                   {Encoding::Windows1252, false, LineBreaks::LF},
                   true}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

TEST(DocumentCodec, EveryWindows1252ByteComesBack) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            bytes += static_cast<char>(b);
        }
    }
    DocumentCodec::Decoded decoded = DocumentCodec::Decode(bytes);
    ASSERT_EQ(decoded.format.encoding, Encoding::Windows1252);
    EXPECT_TRUE(DocumentCodec::IsValidUtf8(decoded.text));
    EXPECT_EQ(DocumentCodec::Encode(decoded.text, decoded.format), bytes);
}

TEST(DocumentCodec, EncodesInTheDocumentsStyle) {
    const std::string text = "<p>\xC5\x82\xC3\xA9\xE2\x82\xAC</p>\r\n<p>\r\n";
    EXPECT_EQ(DocumentCodec::Encode(text, {Encoding::Utf8, false, LineBreaks::CR}),
              "<p>\xC5\x82\xC3\xA9\xE2\x82\xAC</p>\r<p>\r");
    EXPECT_EQ(DocumentCodec::Encode(text, {Encoding::Utf8, true, LineBreaks::CRLF}),
              "\xEF\xBB\xBF" + text);
    // A character that Windows-1252 lacks is kept as a character reference.
    EXPECT_EQ(DocumentCodec::Encode(text, {Encoding::Windows1252, false, LineBreaks::LF}),
              "<p>&#322;\xE9\x80</p>\n<p>\n");
    // Lone breaks in the text are breaks too.
    EXPECT_EQ(DocumentCodec::Encode("a\nb\rc", {Encoding::Utf8, false, LineBreaks::CRLF}),
              "a\r\nb\r\nc");
}

TEST(DocumentCodec, EncodesALongTextInPiecesCutAfterLineFeeds) {
    constexpr std::size_t kPiece = DocumentCodec::kPieceSize;
    // A CR LF pair across the first cut, a letter beyond it, a lone CR at the end.
    const std::string text = std::string(kPiece - 1, 'a') + "\r\nb\rc\n\xC3\xA9" +
                             std::string(kPiece, 'd') + "\n\xE2\x82\xAC\r";
    const std::string lf = std::string(kPiece - 1, 'a') + "\nb\nc\n\xC3\xA9" +
                           std::string(kPiece, 'd') + "\n\xE2\x82\xAC\n";
    const std::string windows1252 = std::string(kPiece - 1, 'a') + "\r\nb\r\nc\r\n\xE9" +
                                    std::string(kPiece, 'd') + "\r\n\x80\r\n";
    struct Case {
        DocumentFormat format;
        std::string bytes;
    };
    for (const Case& c : {Case{{Encoding::Utf8, false, LineBreaks::LF}, lf},
                          Case{{Encoding::Utf8, true, LineBreaks::LF}, "\xEF\xBB\xBF" + lf},
                          Case{{Encoding::Windows1252, false, LineBreaks::CRLF}, windows1252}}) {
        std::vector<std::string> pieces;
        DocumentCodec::EncodeInPieces(text, c.format,
                                      [&](std::string_view piece) { pieces.emplace_back(piece); });
        EXPECT_EQ(pieces.size(), 3u);
        std::string joined;
        for (const std::string& piece : pieces) {
            joined += piece;
        }
        EXPECT_EQ(joined, c.bytes);
        EXPECT_EQ(DocumentCodec::Encode(text, c.format), c.bytes);
    }
}

}  // namespace
