#include <gtest/gtest.h>

#include "spell/TDCTCompiler.h"
#include "support/TestSupport.h"

using namespace zendal::test;

namespace {

// A home folder whose zendal.dct holds a few words.
class SpellCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        zendal::TDCTCompiler compiler;
        home.Write("zendal.dct", compiler.Compile({"in", "the", "they", "dictionary",
                                                   "dictionaries", "dog", "caf\xC3\xA9"}));
    }
    CliResult Spell(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.Path().string(), "spell"});
        return RunCli(args);
    }

    TempDir home;
};

}  // namespace

TEST_F(SpellCommandTest, PrintsOneLinePerWord) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"dog", "Dog's", "teh", "caf\xC3\xA9"},
         "dog\tok\nDog's\tok\nteh\tmiss\ncaf\xC3\xA9\tok\n"},
        {{"--suggest", "--classic", "Teh", "the", "inthe"},
         "Teh\tmiss\tThe\tThey\nthe\tok\ninthe\tmiss\tin the\n"},
        {{"--complete", "Dictio", "zz"}, "Dictio\tmiss\tDictionaries\tDictionary\nzz\tmiss\n"},
        {{"--suggest", "--classic", "--complete", "dictionari"},
         "dictionari\tmiss\tdictionaries\tdictionary\tdictionaries\n"},
        {{"--", "--suggest"}, "--suggest\tmiss\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        auto result = Spell(c.args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(SpellCommandTest, AddSavesTheUserDictionary) {
    auto result = Spell({"--add", "Zendal", "dog"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Zendal\tmiss\ndog\tok\n");
    EXPECT_EQ(result.err, "Add \"Zendal\" to dictionary?\n\"dog\" already in dictionary.\n");
    EXPECT_EQ(ReadFile(home.Path() / "CUSTOM.DCT"), "zendal\r\n");
    EXPECT_EQ(Spell({"ZENDAL"}).out, "ZENDAL\tok\n");
}

TEST_F(SpellCommandTest, DictionaryFailures) {
    home.Write("zendal.dct", "not a dictionary");
    auto result = Spell({"dog"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Dictionary Corrupt.\n");

    std::filesystem::remove(home.Path() / "zendal.dct");
    std::filesystem::create_directory(home.Path() / "zendal.dct");  // seeding cannot replace it
    result = Spell({"dog"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("Error opening dictionary "), std::string::npos);
    EXPECT_NE(result.err.find("zendal.dct\n"), std::string::npos);
}

TEST_F(SpellCommandTest, UsageErrors) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{}, {"--suggest"}, {"--x", "a"}}) {
        auto result = Spell(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find("Usage: zendal-cli"), std::string::npos);
    }
}

// The ranked list unless --classic or the settings ask for the classic one; --language picks a
// language's dictionary.
TEST_F(SpellCommandTest, SuggestionListsAndLanguages) {
    EXPECT_EQ(Spell({"--suggest", "dictionari"}).out,
              "dictionari\tmiss\tdictionary\tdictionaries\n");
    EXPECT_EQ(Spell({"--suggest", "--classic", "dictionari"}).out,
              "dictionari\tmiss\tdictionaries\tdictionary\n");
    home.Write("settings.ini", "[Software\\VELQ\\Zendal]\nsuggestions=classic\n");
    EXPECT_EQ(Spell({"--suggest", "dictionari"}).out,
              "dictionari\tmiss\tdictionaries\tdictionary\n");
    home.Write("settings.ini", "[Software\\VELQ\\Zendal]\nsuggestions=ranked\n");

    zendal::TDCTCompiler compiler;
    home.Write("zendal-de.dct", compiler.Compile({"das", "haus"}));
    EXPECT_EQ(Spell({"--language", "de", "haus", "dog"}).out, "haus\tok\ndog\tmiss\n");
    EXPECT_EQ(Spell({"--language", "de-at", "--suggest", "hau"}).out, "hau\tmiss\thaus\n");
    // A language without a dictionary is checked with en-us.
    EXPECT_EQ(Spell({"--language", "xx", "haus", "dog"}).out, "haus\tmiss\ndog\tok\n");
    auto result = Spell({"dog", "--language"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("Usage: zendal-cli"), std::string::npos);
}
