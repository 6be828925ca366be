#include "base/LineBuffer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/EFileOpen.h"
#include "support/TestSupport.h"

using zendal::LineBuffer;

namespace {

std::vector<std::string> Lines(const LineBuffer& buffer) {
    std::vector<std::string> lines;
    for (long i = 0; i < buffer.LineCount(); ++i) {
        lines.emplace_back(buffer.GetLine(i));
    }
    return lines;
}

LineBuffer Loaded(const std::string& text) {
    LineBuffer buffer;
    buffer.AppendText(text);
    return buffer;
}

struct BreakCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;  // after appending the text
};

class LineBreaks : public testing::TestWithParam<BreakCase> {};

// Appending splits at every kind of break; the whole text ends each line with CR LF and
// normalising changes nothing further.
TEST_P(LineBreaks, AppendedTextSplitsIntoCRLFLines) {
    const BreakCase& c = GetParam();
    LineBuffer buffer = Loaded(c.text);
    EXPECT_EQ(Lines(buffer), c.lines);
    std::string whole;
    for (const std::string& line : c.lines) {
        whole += line + "\r\n";
    }
    EXPECT_EQ(buffer.WholeText(), whole);
    buffer.SetCRLFLineBreaks();
    EXPECT_EQ(buffer.WholeText(), whole);
    EXPECT_EQ(buffer.LineCount(), static_cast<long>(c.lines.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineBreaks,
    testing::Values(BreakCase{"LF", "<html>\n<head>\n</head>", {"<html>", "<head>", "</head>"}},
                    BreakCase{"CR", "<html>\r<head>\r</head>", {"<html>", "<head>", "</head>"}},
                    BreakCase{
                        "CRLF", "<html>\r\n<head>\r\n</head>", {"<html>", "<head>", "</head>"}},
                    BreakCase{"LFCR", "<html>\n\r<head>", {"<html>", "", "<head>"}},
                    BreakCase{"NoBreak", "<html><head></head>", {"<html><head></head>"}},
                    BreakCase{"TrailingBreak", "a\nb\n", {"a", "b", ""}},
                    BreakCase{"Empty", "", {""}}),
    [](const testing::TestParamInfo<BreakCase>& info) { return info.param.name; });

TEST(LineBuffer, SetTextReplacesAndClearEmpties) {
    LineBuffer buffer = Loaded("old");
    buffer.SetText("a\nb");
    EXPECT_EQ(buffer.WholeText(), "a\r\nb\r\n");
    buffer.SetText("a\r\nb\r\n");
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"a", "b"}));
    buffer.AppendText("c");
    EXPECT_EQ(buffer.WholeText(), "a\r\nb\r\nc\r\n");
    buffer.Clear();
    EXPECT_EQ(buffer.LineCount(), 0);
    EXPECT_EQ(buffer.WholeText(), "");
    buffer.SetText("");
    EXPECT_EQ(buffer.LineCount(), 0);
    // A text taken in or handed out without a copy is treated as SetText treats it.
    buffer.AdoptText("a\rb");
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(buffer.ReleaseText(), "a\r\nb\r\n");
    EXPECT_EQ(buffer.LineCount(), 0);
    EXPECT_EQ(buffer.WholeText(), "");
}

TEST(LineBuffer, LineOperationsKeepBothViewsInStep) {
    LineBuffer buffer = Loaded("one\r\ntwo\r\nthree");
    buffer.PutLine(1, "TWO");
    buffer.PutLine(0, "");
    EXPECT_EQ(buffer.WholeText(), "\r\nTWO\r\nthree\r\n");

    buffer.InsertLine(1, "x\r\ny");
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"", "x", "y", "TWO", "three"}));
    buffer.InsertLine(buffer.LineCount(), "last");
    EXPECT_EQ(buffer.GetLine(5), "last");

    buffer.DeleteLine(0);
    buffer.DeleteLine(4);
    EXPECT_EQ(buffer.WholeText(), "x\r\ny\r\nTWO\r\nthree\r\n");
    // The line view follows edits of the whole text, and the other way round.
    EXPECT_EQ(buffer.ReplaceRange(0, 4, "a\r\nb\r\nc"), 7);
    EXPECT_EQ(Lines(buffer), (std::vector<std::string>{"a", "b", "c", "TWO", "three"}));
    buffer.PutLine(2, "p\r\nq");
    EXPECT_EQ(buffer.WholeText(), "a\r\nb\r\np\r\nq\r\nTWO\r\nthree\r\n");
    EXPECT_EQ(buffer.GetLine(4), "TWO");
}

// Callers pass views of the buffer's own text back into it.
TEST(LineBuffer, TakesItsOwnTextBack) {
    LineBuffer buffer = Loaded("<head>\r\n<title>t</title>");
    buffer.PutLine(0, buffer.GetLine(1));
    buffer.InsertLine(0, buffer.GetLine(1));
    buffer.ReplaceRange(0, 0, std::string_view(buffer.WholeText()).substr(0, 7));
    buffer.AppendText(buffer.WholeText());
    EXPECT_EQ(buffer.WholeText(),
              "<title><title>t</title>\r\n<title>t</title>\r\n<title>t</title>\r\n"
              "<title><title>t</title>\r\n<title>t</title>\r\n<title>t</title>\r\n\r\n");
}

TEST(LineBuffer, BadLineIndexIsRefused) {
    LineBuffer buffer = Loaded("one");
    EXPECT_THROW(buffer.GetLine(1), std::out_of_range);
    EXPECT_THROW(buffer.PutLine(-1, "x"), std::out_of_range);
    EXPECT_THROW(buffer.InsertLine(2, "x"), std::out_of_range);
    EXPECT_THROW(buffer.DeleteLine(1), std::out_of_range);
}

TEST(LineBuffer, IndexOfLineMatchesWholeLinesIgnoringCase) {
    LineBuffer buffer = Loaded("<html> <head>\n<head> \n<title>x</title>\n<head>\n<HEAD>");
    EXPECT_EQ(buffer.IndexOfLine("<HEAD>"), 3);
    EXPECT_EQ(buffer.IndexOfLine("<head> "), 1);
    EXPECT_EQ(buffer.IndexOfLine("<TITLE>X</TITLE>"), 2);
    EXPECT_EQ(buffer.IndexOfLine("<body>"), LineBuffer::npos);
    EXPECT_EQ(buffer.IndexOfLine("<head"), LineBuffer::npos);
}

TEST(LineBuffer, FindTextSearchesARangeIgnoringCase) {
    LineBuffer buffer = Loaded("<html>\n<head></head>\n<body bgcolor=\"white\">\n</body>");
    const std::string& whole = buffer.WholeText();
    const long body = static_cast<long>(whole.find("<body"));
    const long y = body + 4;  // the letter y of <body
    struct Case {
        const char* needle;
        long start;
        long length;
        long expected;
    };
    const Case cases[] = {
        {"<BODY", 0, static_cast<long>(whole.size()), body},
        {"<BODY", 0, y, LineBuffer::npos},  // ends before its y
        {"<BODY", 0, y + 1, body},          // ends on its y
        {"<BODY", body, 5, body},           // exactly the range
        {"<BODY", body + 1, 1000000, LineBuffer::npos},
        {"</HEAD>", 0, 1L << 40, static_cast<long>(whole.find("</head>"))},  // past the end
        {"head>\r\n<BO", 0, 1000, static_cast<long>(whole.find("head>\r\n<bo"))},
        {"<frameset", 0, 1000, LineBuffer::npos},
        {"<html>", -1, 10, LineBuffer::npos},
        {"<html>", 0, -1, LineBuffer::npos},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(buffer.FindText(c.needle, c.start, c.length), c.expected)
            << c.needle << " from " << c.start << " length " << c.length;
    }
}

TEST(LineBuffer, PositionsOfSearchAndReplaceAgree) {
    LineBuffer buffer = Loaded("<HTML>\n<HEAD><TITLE>t</TITLE>\n</HEAD>");
    const long head = buffer.FindText("<head>", 0, 1000);
    ASSERT_EQ(head, 8);  // "<HTML>" and its CR LF come first
    EXPECT_EQ(buffer.ReadRange(head, 6), "<HEAD>");
    const long next = buffer.ReplaceRange(head, 6, "<HEAD>\r\n");
    EXPECT_EQ(next, 16);
    EXPECT_EQ(buffer.GetLine(2), "<TITLE>t</TITLE>");
    EXPECT_EQ(buffer.FindText("<TITLE>", 0, 1000), next);
    EXPECT_EQ(buffer.ReadRange(next, 7), "<TITLE>");
    EXPECT_EQ(buffer.ReadRange(1000, 5), "");
    EXPECT_EQ(buffer.ReadRange(next, 1000), "<TITLE>t</TITLE>\r\n</HEAD>\r\n");
}

TEST(LineBuffer, LoadFileDecodesTheFile) {
    zendal::test::TempDir dir;
    LineBuffer buffer;
    buffer.LoadFile(dir.Write("page.html", "<p>caf\xE9</p>\n<p>x</p>").string());
    EXPECT_EQ(buffer.WholeText(), "<p>caf\xC3\xA9</p>\r\n<p>x</p>\r\n");

    const std::string missing = (dir.Path() / "missing.html").string();
    try {
        buffer.LoadFile(missing);
        FAIL() << "no failure";
    } catch (const zendal::EFileOpen& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + missing);
    }
}

}  // namespace
