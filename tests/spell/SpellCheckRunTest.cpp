// The spell check run driven headless: the dialog's answers come from a script.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "SpellTestSupport.h"
#include "spell/HeadlessSpellDialog.h"
#include "spell/MemoryEditControl.h"
#include "spell/SpellCheckButtons.h"
#include "spell/TSpellDlg.h"
#include "support/ScriptedMessagePort.h"

using namespace zendal;

namespace {

// One answer of the user: the button, after typing the replacement text when one is given.
struct Step {
    int answer;
    std::optional<std::string> replacement = std::nullopt;
};

struct Outcome {
    std::vector<std::string> asked;
    int result = -1;
};

class SpellCheckRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::CompileDictionary(
            home, {"a", "the", "meta", "dog", "dictionary", "dict", "dictate", "diction",
                   "dictionaries", "key", "words", "font", "in", "tag"});
        home.Write("autofix.txt", "");
        MakeSpeller();
    }
    void MakeSpeller() {
        speller.reset();
        speller = std::make_unique<TSpellDlg>(messages, home.Path().string() + "/");
        speller->SetDialog(&dialog);
    }
    // Runs over the memo; words asked beyond the script are ignored.
    Outcome Run(MemoryEditControl& memo, const std::vector<Step>& script) {
        Outcome outcome;
        std::optional<int> result = speller->CheckEdit(memo);
        for (std::size_t i = 0; !result; ++i) {
            outcome.asked.push_back(speller->WaitingWord());
            EXPECT_EQ(dialog.foundLabel, "Not found:");
            EXPECT_EQ(dialog.currentWord, speller->WaitingWord());
            Step step = i < script.size() ? script[i] : Step{TSpellDlg::kIgnore};
            if (step.replacement) {
                dialog.replacement = *step.replacement;
            }
            result = speller->Answer(step.answer);
        }
        outcome.result = *result;
        EXPECT_FALSE(speller->Running());
        EXPECT_FALSE(dialog.visible);
        return outcome;
    }

    test::TempDir home;
    test::ScriptedMessagePort messages;
    HeadlessSpellDialog dialog;
    std::unique_ptr<TSpellDlg> speller;
};

using Words = std::vector<std::string>;

}  // namespace

TEST_F(SpellCheckRunTest, StopsAtTheRejectedWordsAndActsOnTheAnswers) {
    constexpr int kIgnore = TSpellDlg::kIgnore;
    constexpr int kChange = TSpellDlg::kChange;
    constexpr int kChangeAll = TSpellDlg::kChangeAll;
    constexpr int kIgnoreAll = TSpellDlg::kIgnoreAll;
    constexpr int kCancel = TSpellDlg::kCancel;
    struct Case {
        const char* name;
        std::string text;
        bool html;
        std::vector<Step> script;
        Words asked;
        int result;
        std::string textAfter;
    } cases[] = {
        {"digits and one-letter words are not checked",
         "1998, a, b, metta",
         true,
         {},
         {"metta"},
         0,
         "1998, a, b, metta"},
        {"markup is skipped",
         "<font>metta</font> <blink>x</blink>",
         true,
         {},
         {"metta"},
         0,
         "<font>metta</font> <blink>x</blink>"},
        {"markup is text without HTML",
         "<blink>metta</blink>",
         false,
         {},
         {"blink", "metta", "blink"},
         0,
         "<blink>metta</blink>"},
        {"an unclosed < ends the run normally",
         "metta <b clas",
         true,
         {},
         {"metta"},
         0,
         "metta <b clas"},
        {"quoted words keep their apostrophes, possessives drop 's",
         "'meta' meta's dog's",
         true,
         {},
         {"'meta'"},
         0,
         "'meta' meta's dog's"},
        {"Change replaces and goes on after the new text",
         "teh dogg teh",
         true,
         {{kChange, "the"}, {kIgnore}, {kChange, "tea"}},
         {"teh", "dogg", "teh"},
         1,
         "the dogg tea"},
        {"a change of letter case alone is not applied",
         "teh dog",
         true,
         {{kChange, "Teh"}},
         {"teh"},
         1,
         "teh dog"},
        {"Change All replaces later occurrences without asking",
         "metta, Metta dogg METTA",
         true,
         {{kChangeAll, "meta"}},
         {"metta", "dogg"},
         1,
         "meta, meta dogg meta"},
        {"Ignore All passes later occurrences",
         "metta dogg Metta",
         true,
         {{kIgnoreAll}},
         {"metta", "dogg"},
         0,
         "metta dogg Metta"},
        {"Cancel keeps the replacements made",
         "metta teh dogg",
         true,
         {{kChange, "meta"}, {kCancel}},
         {"metta", "teh"},
         2,
         "meta teh dogg"},
        {"a replacement with accents and blanks",
         "cafe teh",
         true,
         {{kChange, "caf\xC3\xA9 au lait"}},
         {"cafe", "teh"},
         1,
         "caf\xC3\xA9 au lait teh"},
        {"nothing to ask", "the dog", true, {}, {}, 0, "the dog"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeSpeller();
        speller->properties.supportHTML = c.html;
        MemoryEditControl memo(c.text);
        Outcome outcome = Run(memo, c.script);
        EXPECT_EQ(outcome.asked, c.asked);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(memo.Text(), c.textAfter);
        EXPECT_EQ(memo.Modified(), c.result == 1 || c.textAfter != c.text);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(SpellCheckRunTest, AFiftyCharacterWordEndsTheRun) {
    MemoryEditControl memo("metta " + std::string(50, 'x') + " teh");
    Outcome outcome = Run(memo, {});
    EXPECT_EQ(outcome.asked, Words{"metta"});
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(messages.Texts(),
              Words{"Aborting spell check (Invalid word): \r" + std::string(50, 'x')});
}

TEST_F(SpellCheckRunTest, IgnoreAllHoldsAcrossRunsAndChangeAllDoesNot) {
    MemoryEditControl keyWords("metta, teh");
    MemoryEditControl description("The metta teh.");
    Run(keyWords, {{TSpellDlg::kIgnoreAll}, {TSpellDlg::kChangeAll, "the"}});
    EXPECT_EQ(keyWords.Text(), "metta, the");
    Outcome second = Run(description, {});
    EXPECT_EQ(second.asked, Words{"teh"});  // metta stays ignored; the pairs were rebuilt
    EXPECT_EQ(speller->lists().IgnoredWords(), Words{"metta"});
}

TEST_F(SpellCheckRunTest, AutomaticCorrectionsApplyInEveryRun) {
    home.Write("autofix.txt", "metta=meta\r\nteh=the\r\n");
    std::vector<std::pair<std::string, std::string>> corrected;
    speller->OnAutoCorrect = [&](const std::string& w, const std::string& r) {
        corrected.emplace_back(w, r);
    };
    for (int run = 0; run < 2; ++run) {
        MemoryEditControl memo("Metta dogg teh");
        Outcome outcome = Run(memo, {});
        EXPECT_EQ(outcome.asked, Words{"dogg"});
        // Replacements without asking leave the result at "nothing changed".
        EXPECT_EQ(outcome.result, 0);
        EXPECT_EQ(memo.Text(), "meta dogg the");
        EXPECT_TRUE(memo.Modified());
    }
    EXPECT_EQ(corrected.size(), 4u);
    EXPECT_EQ(corrected[0], std::make_pair(std::string("Metta"), std::string("meta")));
}

TEST_F(SpellCheckRunTest, AddAsksAndWritesTheUserDictionary) {
    messages.answers = {false};
    MemoryEditControl memo("Zendal Zendal, Zendal");
    Outcome outcome = Run(memo, {{TSpellDlg::kAdd}, {TSpellDlg::kAdd}});
    EXPECT_EQ(outcome.asked, Words({"Zendal", "Zendal"}));  // No, then Yes
    EXPECT_EQ(messages.questions,
              Words({"Add \"Zendal\" to dictionary?", "Add \"Zendal\" to dictionary?"}));
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(memo.Text(), "Zendal Zendal, Zendal");
    EXPECT_EQ(test::ReadFile(home.Path() / "CUSTOM.DCT"), "zendal\r\n");

    MakeSpeller();
    MemoryEditControl next("ZENDAL dogg");
    EXPECT_EQ(Run(next, {}).asked, Words{"dogg"});

    speller->properties.confirmAdd = false;
    MemoryEditControl unasked("dogg dogg");
    EXPECT_EQ(Run(unasked, {{TSpellDlg::kAdd}}).asked, Words{"dogg"});
    EXPECT_EQ(messages.questions.size(), 2u);
}

TEST_F(SpellCheckRunTest, TheControlIsLeftAsItWas) {
    MemoryEditControl memo("one metta two");
    memo.SetSelection(1, 3);
    memo.SetModified(true);
    Outcome outcome = Run(memo, {{TSpellDlg::kIgnore}});
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(memo.SelStart(), 1);
    EXPECT_EQ(memo.SelLength(), 3);
    EXPECT_TRUE(memo.Modified());  // the user's own changes stay marked
    EXPECT_TRUE(memo.HideSelection());

    MemoryEditControl clean("metta");
    clean.SetModified(false);
    speller->CheckEdit(clean);
    bool hiddenDuringRun = clean.HideSelection();
    EXPECT_EQ(clean.SelStart(), 0);  // the word is selected while asked
    EXPECT_EQ(clean.SelLength(), 5);
    speller->Answer(TSpellDlg::kIgnore);
    EXPECT_FALSE(hiddenDuringRun);
    EXPECT_FALSE(clean.Modified());
}

TEST_F(SpellCheckRunTest, TypingIntoTheMemoWhileAskedRescansFromTheWordStart) {
    MemoryEditControl memo("metta teh dog");
    ASSERT_FALSE(speller->CheckEdit(memo));
    EXPECT_EQ(speller->WaitingWord(), "metta");
    memo.SetText("metta tehx dogg");
    EXPECT_FALSE(speller->Answer(TSpellDlg::kIgnore));
    EXPECT_EQ(speller->WaitingWord(), "tehx");
    EXPECT_FALSE(speller->Answer(TSpellDlg::kIgnore));
    EXPECT_EQ(speller->WaitingWord(), "dogg");
    // The user's typing is no answer of the dialog: nothing changed by the run, but the memo
    // stays marked as modified.
    EXPECT_EQ(speller->Answer(TSpellDlg::kIgnore), 0);
    EXPECT_TRUE(memo.Modified());
}

TEST_F(SpellCheckRunTest, AChangeAfterTheTextChangedDoesNotHitOtherText) {
    MemoryEditControl memo("metta teh");
    ASSERT_FALSE(speller->CheckEdit(memo));
    memo.SetText("xx metta teh");
    memo.SetModified(false);  // set by a program, which clears the flag
    dialog.replacement = "meta";
    EXPECT_FALSE(speller->Answer(TSpellDlg::kChange));
    EXPECT_EQ(memo.Text(), "xx metta teh");
    EXPECT_EQ(speller->WaitingWord(), "metta");  // found again at its new place
    dialog.replacement = "meta";
    EXPECT_FALSE(speller->Answer(TSpellDlg::kChange));
    EXPECT_EQ(memo.Text(), "xx meta teh");
    EXPECT_EQ(speller->WaitingWord(), "teh");
    EXPECT_EQ(speller->Answer(TSpellDlg::kCancel), 2);
}

TEST_F(SpellCheckRunTest, ASecondRunIsRefusedWhileOneIsOpen) {
    MemoryEditControl keyWords("metta");
    MemoryEditControl description("teh");
    int ended = 0;
    speller->OnRunEnded = [&](int) { ++ended; };
    ASSERT_FALSE(speller->CheckEdit(keyWords));
    EXPECT_FALSE(speller->CheckEdit(description));
    EXPECT_EQ(dialog.broughtToFront, 1);
    EXPECT_EQ(speller->WaitingWord(), "metta");
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(speller->Answer(TSpellDlg::kIgnore), 0);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(speller->Answer(TSpellDlg::kIgnore), std::nullopt);  // no run: nothing happens
    EXPECT_EQ(Run(description, {}).asked, Words{"teh"});
}

TEST_F(SpellCheckRunTest, ClosingTheDialogCancels) {
    MemoryEditControl memo("metta teh");
    ASSERT_FALSE(speller->CheckEdit(memo));
    EXPECT_EQ(speller->DialogClosed(), 2);
    EXPECT_FALSE(speller->Running());
}

TEST_F(SpellCheckRunTest, FileFailures) {
    MemoryEditControl memo("metta");
    memo.SetSelection(2, 2);
    memo.SetModified(true);
    std::filesystem::remove(home.Path() / "autofix.txt");
    Outcome outcome = Run(memo, {});
    EXPECT_EQ(outcome.asked, Words{"metta"});  // the run goes on without corrections
    EXPECT_EQ(messages.Texts(), Words{"autofix.txt file not found."});

    messages.shown.clear();
    std::filesystem::remove(home.Path() / "zendal.dct");
    MakeSpeller();
    EXPECT_EQ(speller->CheckEdit(memo), 2);
    EXPECT_EQ(messages.Texts(),
              Words{"Error opening dictionary " + home.Path().string() + "/zendal.dct"});
    EXPECT_EQ(messages.shown[0].box, MessagePort::Box::Error);
    EXPECT_FALSE(dialog.visible);
    EXPECT_EQ(memo.SelStart(), 2);
    EXPECT_TRUE(memo.Modified());

    messages.shown.clear();
    home.Write("zendal.dct", "not a dictionary");
    EXPECT_EQ(speller->CheckEdit(memo), 2);
    EXPECT_EQ(messages.Texts(), Words{"Dictionary Corrupt."});
    EXPECT_FALSE(speller->Running());
}

TEST_F(SpellCheckRunTest, SuggestAndQuickSuggestFillTheList) {
    MemoryEditControl memo("dictionery");
    ASSERT_FALSE(speller->CheckEdit(memo));
    ASSERT_FALSE(dialog.suggestions.empty());  // AutoSuggest
    EXPECT_EQ(dialog.suggestions.front(), "dictionary");
    EXPECT_EQ(dialog.replacement, "dictionary");
    EXPECT_EQ(dialog.focus, "edtWord");

    dialog.replacement = "dict";
    speller->QuickSuggest('T', false);
    EXPECT_EQ(dialog.suggestions, Words({"dictate", "diction", "dictionaries", "dictionary"}));
    speller->properties.suggestions = 2;
    speller->QuickSuggest('T', true);  // with Shift, Ctrl or Alt: nothing
    EXPECT_EQ(dialog.suggestions.size(), 4u);
    speller->QuickSuggest(0x10, false);  // the Shift key itself
    EXPECT_EQ(dialog.suggestions.size(), 4u);
    speller->QuickSuggest(0x62, false);  // keypad 2
    EXPECT_EQ(dialog.suggestions, Words({"dictate", "diction"}));
    dialog.replacement = "";
    speller->QuickSuggest(0x08, false);  // Backspace clearing the box
    EXPECT_TRUE(dialog.suggestions.empty());

    dialog.replacement = "thedog";
    speller->Suggest();
    EXPECT_EQ(dialog.suggestions.front(), "the dog");
    EXPECT_EQ(dialog.focus, "btnReplace");
    speller->Answer(TSpellDlg::kCancel);
}

TEST_F(SpellCheckRunTest, TheDialogMovesOffTheWord) {
    struct Case {
        int caretY;
        int top;
    } cases[] = {{500, 10}, {384, 768 - 270 - 10}, {100, 768 - 270 - 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caretY);
        struct PlacedMemo : MemoryEditControl {
            using MemoryEditControl::MemoryEditControl;
            int ClientScreenY() const override { return y; }
            int y = 0;
        } memo("metta");
        memo.y = c.caretY;
        dialog.top = 0;
        dialog.mouseMoved = 0;
        ASSERT_FALSE(speller->CheckEdit(memo));
        EXPECT_EQ(dialog.top, c.top);
        EXPECT_EQ(dialog.mouseMoved, c.top);
        speller->Answer(TSpellDlg::kCancel);
    }
}

TEST_F(SpellCheckRunTest, TheButtonsCheckOnlyMemosWithWords) {
    SpellCheckButtons buttons(*speller, messages);
    struct Case {
        std::string text;
        bool keyWords;
        std::optional<std::string> message;
    } cases[] = {
        {"", true, SpellCheckButtons::kNoKeyWords},
        {" ", false, SpellCheckButtons::kNoDescription},
        {"\tmetta", true, SpellCheckButtons::kNoKeyWords},
        {"  metta", false, std::nullopt},
        {"metta", true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        messages.shown.clear();
        MemoryEditControl memo(c.text);
        if (c.keyWords) {
            buttons.SpeedButton4Click(memo);
        } else {
            buttons.SpeedButton5Click(memo);
        }
        EXPECT_EQ(speller->Running(), !c.message);
        if (c.message) {
            EXPECT_EQ(messages.Texts(), Words{*c.message});
            EXPECT_EQ(messages.shown[0].box, MessagePort::Box::Plain);
        } else {
            speller->Answer(TSpellDlg::kCancel);
        }
    }
}
