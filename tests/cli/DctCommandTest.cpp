#include <gtest/gtest.h>

#include "spell/TDCTFile.h"
#include "support/TestSupport.h"

using namespace zendal::test;

TEST(DctCommand, BuildsADictionaryFromAWordList) {
    TempDir dir;
    auto list = dir.Write("words.txt", "walking\ntalking\nCaf\xC3\xA9\n");
    auto out = dir.Path() / "out.dct";
    auto result = RunCli({"dct", "build", list.string(), out.string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    zendal::TDCTFile file(out.string());
    EXPECT_TRUE(file.FindWord("talking"));
    EXPECT_TRUE(file.FindWord("caf\x82"));
    EXPECT_FALSE(file.FindWord("walk"));
}

TEST(DctCommand, Failures) {
    TempDir dir;
    std::string missing = (dir.Path() / "missing.txt").string();
    auto result = RunCli({"dct", "build", missing, (dir.Path() / "out.dct").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Cannot open file " + missing + "\n");

    auto list = dir.Write("words.txt", "a\n");
    result = RunCli({"dct", "build", list.string(), (dir.Path() / "no/such/dir/out.dct").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("Cannot create file"), std::string::npos);

    for (const auto& args :
         std::vector<std::vector<std::string>>{{"dct"},
                                               {"dct", "build"},
                                               {"dct", "build", list.string()},
                                               {"dct", "make", "a", "b"},
                                               {"dct", "build", "--fast", "a", "b"}}) {
        result = RunCli(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find("Usage: zendal-cli"), std::string::npos);
    }
}
