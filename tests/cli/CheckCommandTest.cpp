#include <gtest/gtest.h>

#include <filesystem>

#include "spell/TDCTCompiler.h"
#include "support/TestSupport.h"

using namespace zendal::test;

namespace {

class CheckCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        zendal::TDCTCompiler compiler;
        home.Write("zendal.dct", compiler.Compile({"in", "the", "they", "meta", "dog", "font"}));
        home.Write("autofix.txt", "metta=meta\n");
    }
    CliResult Check(std::vector<std::string> args, const std::string& input) {
        args.insert(args.begin(), {"--home", home.Path().string(), "check"});
        return RunCli(args, input);
    }

    TempDir home;
};

}  // namespace

TEST_F(CheckCommandTest, PrintsTheRejectedWordsInTextOrder) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string out;
    } cases[] = {
        {{},
         "Teh dog, 1998 a metta, <blink>teh</blink>",
         "Teh\tThe\tThey\nmetta\t->\tmeta\nteh\tthe\tthey\n"},
        {{"--no-html"}, "<blink>dog", "blink\n"},
        {{}, "the dog <unclosed tag", ""},
        {{}, "", ""},
        {{}, "inthe\r\ndogg", "inthe\tin the\ndogg\tdog\n"},
        {{}, "caf\xE9 dog", "caf\xC3\xA9\n"},  // not UTF-8: read as Windows-1252
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        CliResult result = Check(c.args, c.input);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(CheckCommandTest, ChecksWithTheLanguagesDictionary) {
    zendal::TDCTCompiler compiler;
    home.Write("zendal-de.dct", compiler.Compile({"das", "haus", "ist", "rot"}));
    EXPECT_EQ(Check({"--language", "de"}, "das haus ist red").out, "red\trot\n");
    EXPECT_EQ(Check({"--language", "xx"}, "das dog").out, "das\tdog\n");
    EXPECT_EQ(Check({"--language"}, "das").status, 2);
}

TEST_F(CheckCommandTest, ReportsTheScansMessages) {
    CliResult result = Check({}, "teh " + std::string(50, 'w') + " dogg");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "teh\tthe\tthey\n");
    EXPECT_EQ(result.err, "Aborting spell check (Invalid word): \n" + std::string(50, 'w') + "\n");

    std::filesystem::remove(home.Path() / "autofix.txt");
    std::filesystem::create_directory(home.Path() / "autofix.txt");  // seeding cannot replace it
    result = Check({}, "metta");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "metta\tmeta\n");
    EXPECT_EQ(result.err, "autofix.txt file not found.\n");

    std::filesystem::remove(home.Path() / "zendal.dct");
    std::filesystem::create_directory(home.Path() / "zendal.dct");
    result = Check({}, "metta");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Error opening dictionary " + home.Path().string() + "/zendal.dct\n");
}

TEST_F(CheckCommandTest, AFreshHomeGetsTheShippedCorrections) {
    std::filesystem::remove(home.Path() / "autofix.txt");
    CliResult result = Check({}, "Teh dog adn");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Teh\t->\tthe\nadn\t->\tand\n");
    EXPECT_EQ(ReadFile(home.Path() / "autofix.txt"),
              ReadFile(std::filesystem::path(ZENDAL_TEST_DATA_DIR) / "../../data/autofix.txt"));
}

TEST_F(CheckCommandTest, UsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--html"}, {"FILE"}}) {
        CliResult result = Check(args, "");
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find("Usage: zendal-cli"), std::string::npos);
    }
}
