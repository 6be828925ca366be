// The dictionary object: the word test, the user dictionary, the exclusion list, the rules.
#include <gtest/gtest.h>

#include <fstream>

#include "spell/EDictionaryCorrupt.h"
#include "spell/EDictionaryInUse.h"
#include "spell/TDictionary.h"
#include "support/ScriptedMessagePort.h"
#include "tests/spell/SpellTestSupport.h"

using namespace zendal;
using namespace zendal::test;

namespace {

class DictionaryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dictionaryPath = CompileDictionary(dir, FixtureWords()).string();
        ASSERT_TRUE(dictionary.OpenDictionary(dictionaryPath));
    }
    std::filesystem::path UserFile() const { return dir.Path() / "CUSTOM.DCT"; }

    TempDir dir;
    ScriptedMessagePort messages;
    TDictionary dictionary{messages};
    std::string dictionaryPath;
};

}  // namespace

TEST_F(DictionaryTest, WordTest) {
    struct Case {
        std::string word;
        bool isWord;
    } cases[] = {
        {"dog", true},
        {"Dog's", true},  // 's is stripped
        {"dog's", true},
        {"dogs", true},
        {"'s", false},  // nothing is left
        {"", false},
        {"dictionary", true},
        {"Dictionary", true},
        {"DICTIONARY", true},
        {"dictio", false},  // a prefix of a word
        {"robert", true},
        {"caf\xC3\xA9", true},
        {"CAF\xC3\xA9", true},   // only A to Z fold
        {"CAF\xC3\x89", false},  // É is another letter
        {"Z\xC3\xBCrich", true},
        {"teh", false},
        {"in the", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(dictionary.IsWord(c.word), c.isWord);
    }
}

TEST_F(DictionaryTest, LongWordsAreCutToFiftyCharacters) {
    std::string fifty(50, 'q');
    dictionary.LoadUserDictionary("CUSTOM.DCT");
    ASSERT_TRUE(dictionary.AddWord(fifty));
    EXPECT_TRUE(dictionary.IsWord(fifty + "zzz"));  // tested as its first 50
    EXPECT_FALSE(dictionary.IsWord(fifty.substr(1)));
}

TEST_F(DictionaryTest, ExclusionListWins) {
    dir.Write("exclude.txt", "Dog\r\nrule\r\n");
    // Not found as named, then beside the dictionary under its file name.
    EXPECT_TRUE(dictionary.LoadExclusionList("/no/such/folder/exclude.txt"));
    EXPECT_FALSE(dictionary.IsWord("dog"));
    EXPECT_FALSE(dictionary.IsWord("DOG's"));
    EXPECT_FALSE(dictionary.IsWord("rule"));
    EXPECT_TRUE(dictionary.IsWord("rules"));
    EXPECT_FALSE(dictionary.LoadExclusionList("missing.txt"));
    EXPECT_TRUE(dictionary.IsWord("dog"));  // no list is kept
}

TEST_F(DictionaryTest, AddWordAndSave) {
    EXPECT_FALSE(dictionary.LoadUserDictionary("CUSTOM.DCT"));
    EXPECT_EQ(dictionary.UserDictionaryPath(), UserFile().string());
    EXPECT_FALSE(dictionary.AddWord("Dictionary"));  // the main dictionary holds it
    EXPECT_FALSE(dictionary.Changed());
    EXPECT_TRUE(dictionary.AddWord("Zendal"));
    EXPECT_TRUE(dictionary.AddWord("metta"));
    EXPECT_FALSE(dictionary.AddWord("METTA"));   // already added
    EXPECT_TRUE(dictionary.AddWord("Blorb's"));  // kept as the test looks it up
    EXPECT_FALSE(dictionary.AddWord("'s"));
    EXPECT_TRUE(dictionary.Changed());
    EXPECT_TRUE(dictionary.IsWord("ZENDAL"));
    EXPECT_TRUE(dictionary.IsWord("blorb's"));
    dictionary.SaveUserDictionary();
    EXPECT_FALSE(dictionary.Changed());
    EXPECT_EQ(ReadFile(UserFile()), "blorb\r\nmetta\r\nzendal\r\n");
}

TEST_F(DictionaryTest, SaveKeepsWordsAnotherProgramAdded) {
    dir.Write("CUSTOM.DCT", "alpha\r\ngamma\r\n");
    EXPECT_TRUE(dictionary.LoadUserDictionary("CUSTOM.DCT"));
    EXPECT_TRUE(dictionary.IsWord("Gamma"));
    EXPECT_TRUE(dictionary.AddWord("beta"));
    {
        std::ofstream other(UserFile(), std::ios::binary | std::ios::app);
        other << "delta\r\n";
    }
    dictionary.SaveUserDictionary();
    EXPECT_EQ(ReadFile(UserFile()), "alpha\r\nbeta\r\ndelta\r\ngamma\r\n");
    // Saving leaves nothing beside the file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST_F(DictionaryTest, CloseSavesOnlyAfterAChange) {
    dictionary.LoadUserDictionary("CUSTOM.DCT");
    dictionary.Close();
    EXPECT_FALSE(std::filesystem::exists(UserFile()));
    EXPECT_FALSE(dictionary.IsWord("dog"));  // no dictionary file is open any more
    ASSERT_TRUE(dictionary.OpenDictionary(dictionaryPath));
    dictionary.AddWord("metta");
    dictionary.Close();
    EXPECT_EQ(ReadFile(UserFile()), "metta\r\n");
}

TEST_F(DictionaryTest, UserDictionaryWithAFolderIsTakenAsNamed) {
    TempDir other;
    auto path = other.Write("mine.dct", "zork\n");
    EXPECT_TRUE(dictionary.LoadUserDictionary(path.string()));
    EXPECT_TRUE(dictionary.IsWord("Zork"));
}

TEST_F(DictionaryTest, OpeningFiles) {
    // The same file name, in another folder and letter case, counts as open.
    EXPECT_TRUE(dictionary.OpenDictionary("/elsewhere/ZENDAL.DCT"));
    EXPECT_EQ(dictionary.DictionaryFiles().size(), 1u);
    EXPECT_FALSE(dictionary.OpenDictionary((dir.Path() / "missing.dct").string()));
    auto bad = dir.Write("bad.dct", std::string(100, 'x'));
    EXPECT_THROW(dictionary.OpenDictionary(bad.string()), EDictionaryCorrupt);
    EXPECT_EQ(dictionary.DictionaryFiles().size(), 1u);
    // A second file is asked after the first.
    auto second = CompileDictionary(dir, {"zendal"}, "second.dct");
    EXPECT_FALSE(dictionary.IsWord("zendal"));
    EXPECT_TRUE(dictionary.OpenDictionary(second.string()));
    EXPECT_TRUE(dictionary.IsWord("Zendal"));
    EXPECT_TRUE(dictionary.IsWord("dog"));
}

TEST_F(DictionaryTest, OnlyOneDictionaryAtATime) {
    ScriptedMessagePort others;
    EXPECT_THROW(TDictionary second(others), EDictionaryInUse);
    ASSERT_EQ(others.shown.size(), 1u);
    EXPECT_EQ(others.shown[0].box, MessagePort::Box::Error);
    EXPECT_EQ(others.shown[0].text,
              "Programmer Error. Only one dictionary\robject can be initialized at once.");
    try {
        TDictionary third(others);
    } catch (const EDictionaryInUse& e) {
        EXPECT_STREQ(e.what(), "Multiple Dictionaries not supported.");
    }
}

TEST(TDictionaryLifetime, ANewDictionaryAfterTheOldOneIsGone) {
    ScriptedMessagePort messages;
    { TDictionary first(messages); }
    EXPECT_NO_THROW(TDictionary second(messages));
    EXPECT_TRUE(messages.shown.empty());
}
