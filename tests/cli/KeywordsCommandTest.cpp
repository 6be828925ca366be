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
    EXPECT_EQ(result.out, "cat\t3\t60.000\ndog.\t1\t20.000\nbird\t1\t20.000\n");
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "home" / "srexclude.txt"));
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
        {{"--keywords", "alpha, beta", "beta", "gamma", "delta"}, "gamma,delta,alpha, beta\n"},
        {{"--keywords", "", "a", "b"}, "a,b\n"},
        {{"--keywords", "", "a", "b", "A"}, "a,b\n"},
        {{"--keywords", "x", "--", "-y"}, "-y,x\n"},
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
