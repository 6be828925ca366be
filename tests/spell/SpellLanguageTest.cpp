// The spell check run in the page's language: which dictionary it opens, the note when the
// language has none, and the user's pick of another dictionary in the middle of a run.
#include <gtest/gtest.h>

#include "SpellTestSupport.h"
#include "spell/HeadlessSpellDialog.h"
#include "spell/MemoryEditControl.h"
#include "spell/TDictionary.h"
#include "spell/TSpellDlg.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

using namespace zendal;

namespace {

// A program folder with an English zendal.dct and a small German dictionary of its own.
class SpellLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::CompileDictionary(home, {"the", "house", "is", "red"});
        test::CompileDictionary(home,
                                {"das", "haus", "ist", "rot",
                                 "Stra\xC3\x9F"
                                 "e"},
                                "zendal-de.dct");
        home.Write("autofix.txt", "");
        speller.SetDialog(&dialog);
        speller.SetStatus(&status);
    }
    // The words that stop a run over the text, each answered with Ignore.
    std::vector<std::string> Asked(const std::string& text) {
        MemoryEditControl memo(text);
        std::vector<std::string> asked;
        for (auto result = speller.CheckEdit(memo); !result;
             result = speller.Answer(TSpellDlg::kIgnore)) {
            asked.push_back(speller.WaitingWord());
        }
        return asked;
    }
    std::string Note() const { return status.panels[StatusPort::MessagePanel]; }

    test::TempDir home;
    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    HeadlessSpellDialog dialog;
    TSpellDlg speller{messages, home.Path().string() + "/"};
};

using Words = std::vector<std::string>;

}  // namespace

TEST_F(SpellLanguageTest, ThePagesLanguagePicksTheDictionary) {
    const std::string text =
        "das haus ist red, the house is rot, Stra\xC3\x9F"
        "e";
    struct Case {
        const char* field;
        Words asked;
        const char* dictionary;
    } cases[] = {
        {"de", {"red", "the", "house", "is"}, "de"},
        {"DE-AT", {"red", "the", "house", "is"}, "de"},
        {"en-us",
         {"das", "haus", "ist", "rot",
          "Stra\xC3\x9F"
          "e"},
         "en-us"},
        {"",
         {"das", "haus", "ist", "rot",
          "Stra\xC3\x9F"
          "e"},
         "en-us"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        speller.UsePageLanguage(c.field);
        EXPECT_EQ(Asked(text), c.asked);
        EXPECT_EQ(dialog.dictionary, c.dictionary);
        EXPECT_EQ(Note(), "");
    }
    EXPECT_TRUE(messages.shown.empty());
    // The chooser lists every language with a dictionary, en-us first.
    ASSERT_FALSE(dialog.dictionaries.empty());
    EXPECT_EQ(dialog.dictionaries.front(), "en-us");
    EXPECT_NE(std::find(dialog.dictionaries.begin(), dialog.dictionaries.end(), "de"),
              dialog.dictionaries.end());
}

TEST_F(SpellLanguageTest, ALanguageWithoutADictionaryFallsBackWithANote) {
    speller.UsePageLanguage("xx-yy");
    EXPECT_EQ(Asked("the haus"), Words{"haus"});
    EXPECT_EQ(speller.Language(), "en-us");
    EXPECT_EQ(dialog.dictionary, "en-us");
    EXPECT_EQ(Note(), "No spelling dictionary for xx-yy: checking with en-us");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SpellLanguageTest, PickingAnotherDictionaryGoesOnWithIt) {
    speller.UsePageLanguage("en-us");
    MemoryEditControl memo("the haus ist rot, red");
    ASSERT_FALSE(speller.CheckEdit(memo));
    EXPECT_EQ(speller.WaitingWord(), "haus");
    // German holds the waiting word: it passes, and the run goes on with German.
    ASSERT_FALSE(speller.ChooseDictionary("de"));
    EXPECT_EQ(speller.WaitingWord(), "red");
    EXPECT_EQ(dialog.dictionary, "de");
    // Back to English: red passes there, and the run ends.
    EXPECT_EQ(speller.ChooseDictionary("en-us"), 0);
    EXPECT_FALSE(speller.Running());

    // The pick stays while the page's language stays; a new language field replaces it.
    speller.ChooseDictionary("de");
    speller.UsePageLanguage("en-us");
    EXPECT_EQ(speller.Language(), "de");
    speller.UsePageLanguage("de");
    speller.UsePageLanguage("en-us");
    EXPECT_EQ(speller.Language(), "en-us");

    // A dictionary that cannot be opened ends the run with the error box.
    ASSERT_FALSE(speller.CheckEdit(memo));
    EXPECT_EQ(speller.ChooseDictionary("fr-xx"), TSpellDlg::kCancel);
    EXPECT_FALSE(speller.Running());
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(messages.Texts().front().starts_with("Error opening dictionary "))
        << messages.Texts().front();
}

// Words the user added live in one user dictionary, whatever the language.
TEST_F(SpellLanguageTest, TheUserDictionaryIsOnePerUser) {
    speller.UsePageLanguage("de");
    MemoryEditControl memo("zendal");
    ASSERT_FALSE(speller.CheckEdit(memo));
    EXPECT_EQ(speller.Answer(TSpellDlg::kAdd), 0);
    EXPECT_EQ(test::ReadFile(home.Path() / "CUSTOM.DCT"), "zendal\r\n");
    speller.UsePageLanguage("en-us");
    EXPECT_EQ(Asked("zendal the"), Words{});
}
