#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TestSupport.h"

using zendal::test::RunCli;
using zendal::test::TempDir;

namespace {

TEST(TokensCommand, PrintsOneJsonLinePerEvent) {
    const std::string page =
        "<!DOCTYPE html><?xml v='1'?><![CDATA[a<b]]><p class=\"x\" hidden>Tom &amp; Jerry</p>"
        "<br/><!-- c -->";
    auto result = RunCli({"tokens"}, page);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "{\"event\": \"meta\", \"text\": \"DOCTYPE html\"}\n"
              "{\"event\": \"pi\", \"text\": \"xml v='1'\"}\n"
              "{\"event\": \"section\", \"id\": \"CDATA\", \"text\": \"a<b\"}\n"
              "{\"event\": \"begin\", \"name\": \"p\", \"attrs\": [[\"class\", \"x\"], "
              "[\"hidden\", \"\"]]}\n"
              "{\"event\": \"text\", \"text\": \"Tom \"}\n"
              "{\"event\": \"entity\", \"name\": \"amp\"}\n"
              "{\"event\": \"text\", \"text\": \"&amp; Jerry\"}\n"
              "{\"event\": \"end\", \"name\": \"p\"}\n"
              "{\"event\": \"empty\", \"name\": \"br\", \"attrs\": []}\n"
              "{\"event\": \"comment\", \"text\": \" c \"}\n");
}

TEST(TokensCommand, OptionsSetTheLineFeedRules) {
    const std::string page = "<p>\nHello\nworld\n</p>";
    struct Row {
        std::vector<std::string> args;
        std::vector<std::string> texts;
    };
    const std::vector<Row> rows = {
        {{"tokens"}, {"Hello\\u000a", "world"}},
        {{"tokens", "--no-flush-on-eol"}, {"Hello\\u000aworld"}},
        {{"tokens", "--preserve-white-space"}, {"\\u000a", "Hello\\u000a", "world\\u000a"}},
        {{"tokens", "--preserve-white-space", "--no-flush-on-eol"},
         {"\\u000aHello\\u000aworld\\u000a"}},
    };
    for (const Row& row : rows) {
        std::string expected = "{\"event\": \"begin\", \"name\": \"p\", \"attrs\": []}\n";
        for (const std::string& text : row.texts) {
            expected += "{\"event\": \"text\", \"text\": \"" + text + "\"}\n";
        }
        expected += "{\"event\": \"end\", \"name\": \"p\"}\n";
        EXPECT_EQ(RunCli(row.args, page).out, expected) << row.args.back();
    }
}

TEST(TokensCommand, ChunksAndFileGiveTheSameOutput) {
    const std::string page =
        "<html><head><title>T&amp;x</title></head>\n<body class=\"a b\">\n<p>one\ntwo</p>"
        "<!-- long comment -->&copy 2026 <a href='x?a=1&b=2'>x</a></body></html>\n";
    TempDir dir;
    const auto file = dir.Write("page.html", page);
    const auto whole = RunCli({"tokens"}, page);
    ASSERT_EQ(whole.status, 0);
    for (const char* chunk : {"1", "2", "3", "7", "64", "100000"}) {
        auto piecewise = RunCli({"tokens", "--chunk", chunk, file.string()});
        EXPECT_EQ(piecewise.status, 0);
        EXPECT_EQ(piecewise.out, whole.out) << "chunk " << chunk;
    }
}

// Text bytes and how they appear in the output's JSON string.
TEST(TokensCommand, EscapesAnyBytesInJson) {
    struct Row {
        std::string bytes;
        std::string json;
    };
    const std::vector<Row> rows = {
        {"plain", "plain"},
        {"say \"hi\" \\ now", "say \\\"hi\\\" \\\\ now"},
        {"\x01\x1f\t\r\x7f", "\\u0001\\u001f\\u0009\\u000d\\u007f"},
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"\xff\xfe", "\\u00ff\\u00fe"},
        {"\x80x", "\\u0080x"},                                 // stray continuation byte
        {"\xc3", "\\u00c3"},                                   // truncated at the end
        {"\xe2\x82x", "\\u00e2\\u0082x"},                      // truncated before a letter
        {"\xc0\xaf", "\\u00c0\\u00af"},                        // overlong
        {"\xe0\x80\xaf", "\\u00e0\\u0080\\u00af"},             // overlong
        {"\xed\xa0\x80", "\\u00ed\\u00a0\\u0080"},             // surrogate
        {"\xf4\x90\x80\x80", "\\u00f4\\u0090\\u0080\\u0080"},  // above U+10FFFF
        {"\xf5", "\\u00f5"},
    };
    for (const Row& row : rows) {
        auto result = RunCli({"tokens"}, row.bytes);
        EXPECT_EQ(result.out, "{\"event\": \"text\", \"text\": \"" + row.json + "\"}\n")
            << row.json;
    }
}

TEST(TokensCommand, TooManyAttributesFailWithOutOfMemory) {
    std::string page = "<i>x</i><p";
    for (int i = 0; i < 64; ++i) {
        page += " a" + std::to_string(i);
    }
    page += ">after";
    auto result = RunCli({"tokens"}, page);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Out of memory\n");
    EXPECT_EQ(result.out,
              "{\"event\": \"begin\", \"name\": \"i\", \"attrs\": []}\n"
              "{\"event\": \"text\", \"text\": \"x\"}\n"
              "{\"event\": \"end\", \"name\": \"i\"}\n");
}

TEST(TokensCommand, AFileThatCannotBeReadFails) {
    TempDir dir;
    for (const auto& path : {dir.Path() / "none.html", dir.Path()}) {
        auto result = RunCli({"tokens", path.string()});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "Cannot open file " + path.lexically_normal().string() + "\n");
        EXPECT_EQ(result.out, "");
    }
}

TEST(TokensCommand, UsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"tokens", "--chunk"},
                                                                  {"tokens", "--chunk", "0"},
                                                                  {"tokens", "--chunk", "-3"},
                                                                  {"tokens", "--chunk", "2x"},
                                                                  {"tokens", "--bogus"},
                                                                  {"tokens", "a.html", "b.html"}}) {
        auto result = RunCli(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_NE(result.err.find("Usage: zendal-cli"), std::string::npos);
    }
}

}  // namespace
