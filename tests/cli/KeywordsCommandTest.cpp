#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TestSupport.h"

using zendal::test::RunCli;
using zendal::test::TempDir;

namespace {

const char* kNoUniqueWords =
    "No unique words were found in the number of characters that you specified in the body "
    "check count, go to 'Edit Rules on the Optional Analysis page ' to change settings if you "
    "wish\n";

class KeywordsCli : public ::testing::Test {
  protected:
    std::string Home() const { return (dir.Path() / "home").string(); }
    zendal::test::CliResult Keywords(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", Home(), "keywords"});
        return RunCli(args);
    }
    TempDir dir;
};

TEST_F(KeywordsCli, PrintsTheListWithoutTheShippedNoiseWords) {
    auto page = dir.Write("page.html",
                          "<html><head><title>Pets</title></head>\r\n<body>The cat and the dog. "
                          "The cat and a CAT bird</body></html>\r\n");
    auto result = Keywords({page.string()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "cat\t3\t60.000\ndog\t1\t20.000\nbird\t1\t20.000\n");
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "home" / "srexclude.txt"));
}

// The top rows of pages as they are written today, through the command.
TEST_F(KeywordsCli, ListsWhatAReaderSeesAsWords) {
    struct Case {
        const char* name;
        std::string page;
        std::vector<std::string> args;
        std::string top;  // the first rows
    };
    const std::vector<Case> cases = {
        {"a documentation page with scripts",
         "<html><head><title>Docs</title></head><body><script>\nfunction f(a) {\n  if (a < b) "
         "{ return a; }\n  // note\n  x = {'#': '.'};\n}\n</script><style>#id { color: red; "
         "}</style><h1>Install</h1><p>Install the package (install it today).</p></body></html>",
         {},
         "Install\t3\t60.000\ntoday\t1\t20.000\npackage\t1\t20.000\n"},
        {"dashes and punctuation",
         "<body><li>Country sourdough - a loaf - dark.</li><li>Sourdough, rye; rye!</li></body>",
         {},
         "sourdough\t2\t28.571\nrye\t2\t28.571\n"},
        {"character references",
         "<body>caf&eacute; Caf&#233; &nbsp; AT&amp;T</body>",
         {},
         "caf\xC3\xA9\t2\t66.667\nAT&T\t1\t33.333\n"},
        {"a Windows-1252 page is shown as text",
         "<body>Stra\xDF"
         "e Stra\xDF"
         "e caf\xE9</body>",
         {},
         "Stra\xC3\x9F"
         "e\t2\t66.667\ncaf\xC3\xA9\t1\t33.333\n"},
        {"letters of every script",
         "<body>\xE6\x9D\xB1\xE4\xBA\xAC\xE3\x80\x82 \xE6\x9D\xB1\xE4\xBA\xAC</body>",
         {},
         "\xE6\x9D\xB1\xE4\xBA\xAC\t2\t100.000\n"},
        {"German noise words with a German language field",
         "<body>Die Katze und der Hund und die Maus</body>",
         {"--language", "de-DE"},
         "Maus\t1\t33.333\nKatze\t1\t33.333\nHund\t1\t33.333\n"},
        {"English noise words only without one",
         "<body>Die Katze und der Hund und die Maus</body>",
         {},
         "und\t2\t25.000\nDie\t2\t25.000\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {dir.Write("page.html", c.page).string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto result = Keywords(args);
        EXPECT_EQ(result.status, 0) << c.name << "\n" << result.err;
        EXPECT_EQ(result.out.substr(0, c.top.size()), c.top) << c.name;
    }

    // The sample page: no punctuation among the words, its own key word on top.
    const auto samplePage =
        std::filesystem::path(ZENDAL_TEST_DATA_DIR) / "../../data/samples/index.html";
    auto sample = Keywords({samplePage.string(), "--bodychk", "100000"});
    EXPECT_EQ(sample.status, 0) << sample.err;
    EXPECT_TRUE(sample.out.starts_with("bread\t")) << sample.out;
    EXPECT_EQ(sample.out.find("-\t"), std::string::npos) << sample.out;
}

TEST_F(KeywordsCli, TopAndBodyCheckCount) {
    auto page = dir.Write("page.html", "<body>one two two three three three</body>");
    auto top = Keywords({page.string(), "--top", "1"});
    EXPECT_EQ(top.out, "three\t3\t50.000\n");
    auto cut = Keywords({page.string(), "--bodychk", "13"});  // "<body>one two"
    EXPECT_EQ(cut.out, "two\t1\t50.000\none\t1\t50.000\n");

    auto none = Keywords({page.string(), "--top", "0"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, kNoUniqueWords);
}

TEST_F(KeywordsCli, FailuresGoToStandardError) {
    std::string missing = (dir.Path() / "gone.html").string();
    auto gone = Keywords({missing});
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.err, "ENoFile\nERROR: Cannot Load Active File: " + missing +
                            " because it no longer exists!\n1\n" + kNoUniqueWords);

    auto page = dir.Write("nobody.html", "<html>text</html>");
    auto nobody = Keywords({page.string()});
    EXPECT_EQ(nobody.status, 1);
    EXPECT_EQ(nobody.err,
              std::string("Body or FrameSet tag not found, cannot generate key words\n") +
                  kNoUniqueWords);

    auto badCount = Keywords({page.string(), "--bodychk", "many"});
    EXPECT_EQ(badCount.status, 1);
    EXPECT_EQ(badCount.err, "'many' is not a valid integer value\n");

    EXPECT_EQ(Keywords({}).status, 2);
    EXPECT_EQ(Keywords({page.string(), "--top", "x"}).status, 2);
    EXPECT_EQ(Keywords({page.string(), "--colour"}).status, 2);
}

TEST(MergeKeywordsCli, MergesAsTheWindowDoes) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"--keywords", "bakery, sourdough", "spelt", "loaf", "whole"},
         "spelt, loaf, whole, bakery, sourdough\n"},
        {{"--keywords", "alpha, beta", "beta", "gamma", "delta"}, "gamma, delta, alpha, beta\n"},
        {{"--keywords", "", "a", "b"}, "a, b\n"},
        {{"--keywords", "", "a", "b", "A"}, "a, b\n"},
        {{"--keywords", ", x", "a"}, "a, x\n"},
        {{"--keywords", "x", "--", "-y"}, "-y, x\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"merge-keywords"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        auto result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, c.out);
    }
    EXPECT_EQ(RunCli({"merge-keywords", "a"}).status, 2);
}

}  // namespace
