#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spell/CodePage437.h"
#include "spell/MemoryEditControl.h"
#include "spell/TCEBuffer.h"
#include "support/ScriptedMessagePort.h"

using namespace zendal;

namespace {

struct ScannedWord {
    std::string word;  // UTF-8
    std::size_t start;
    std::size_t end;
    bool digitsOnly;
    bool operator==(const ScannedWord&) const = default;
};

void PrintTo(const ScannedWord& w, std::ostream* os) {
    *os << w.word << " " << w.start << "-" << w.end << (w.digitsOnly ? " digits" : "");
}

std::vector<ScannedWord> Scan(const std::string& text, bool html,
                              test::ScriptedMessagePort& messages) {
    MemoryEditControl memo(text);
    TCEBuffer buffer(memo, messages);
    buffer.supportHTML = html;
    std::vector<ScannedWord> words;
    for (std::string w = buffer.NextWord(); !w.empty(); w = buffer.NextWord()) {
        words.push_back(
            {CodePage437::ToUtf8(w), buffer.WordStart(), buffer.WordEnd(), buffer.DigitsOnly()});
    }
    return words;
}

}  // namespace

TEST(TCEBuffer, NextWordFindsTheWordsAndTheirPositions) {
    struct Case {
        const char* name;
        std::string text;
        bool html;
        std::vector<ScannedWord> words;
    } cases[] = {
        {"separators",
         "1998, a, metta",
         false,
         {{"1998", 1, 5, true}, {"a", 7, 8, false}, {"metta", 10, 15, false}}},
        {"apostrophes belong to words",
         "'meta' meta's",
         false,
         {{"'meta'", 1, 7, false}, {"meta's", 8, 14, false}}},
        {"markup skipped", "<font>metta</font>", true, {{"metta", 7, 12, false}}},
        {"markup read as text",
         "<font>metta</font>",
         false,
         {{"font", 2, 6, false}, {"metta", 7, 12, false}, {"font", 14, 18, false}}},
        {"attributes skipped",
         "<a href=\"x y\">link</a> b2b",
         true,
         {{"link", 15, 19, false}, {"b2b", 24, 27, false}}},
        {"unclosed markup ends the scan", "word <b class", true, {{"word", 1, 5, false}}},
        {"a lone > is a separator", "a>b", true, {{"a", 1, 2, false}, {"b", 3, 4, false}}},
        {"accented letters, one position each",
         "caf\xC3\xA9 na\xC3\xAFve",
         false,
         {{"caf\xC3\xA9", 1, 5, false}, {"na\xC3\xAFve", 6, 11, false}}},
        {"the sharp s is a letter",
         "Stra\xC3\x9F"
         "e",
         false,
         {{"Stra\xC3\x9F"
           "e",
           1, 7, false}}},
        {"a character outside code page 437 separates",
         "a\xE2\x82\xAC"
         "b",
         false,
         {{"a", 1, 2, false}, {"b", 3, 4, false}}},
        {"empty", "", true, {}},
        {"blanks only", " \r\n\t ", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScriptedMessagePort messages;
        EXPECT_EQ(Scan(c.text, c.html, messages), c.words);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(TCEBuffer, AFiftyCharacterWordAbortsTheScan) {
    std::string long49(49, 'x');
    std::string long50(50, 'y');
    test::ScriptedMessagePort messages;
    auto words = Scan("ab " + long49 + " " + long50 + "z cd", false, messages);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[1].word, long49);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].box, MessagePort::Box::Error);
    EXPECT_EQ(messages.shown[0].text, "Aborting spell check (Invalid word): \r" + long50);
}

TEST(TCEBuffer, ReplaceWordContinuesAfterTheNewText) {
    test::ScriptedMessagePort messages;
    MemoryEditControl memo("teh dog, teh");
    TCEBuffer buffer(memo, messages);
    EXPECT_EQ(buffer.NextWord(), "teh");
    buffer.ReplaceWord("the big");
    EXPECT_EQ(memo.Text(), "the big dog, teh");
    EXPECT_TRUE(memo.Modified());
    EXPECT_EQ(buffer.Position(), 8u);
    EXPECT_FALSE(buffer.TextChanged());
    EXPECT_EQ(buffer.NextWord(), "dog");
    EXPECT_EQ(buffer.NextWord(), "teh");
    buffer.SelectWord();
    EXPECT_EQ(memo.SelStart(), 13);
    EXPECT_EQ(memo.SelLength(), 3);
}

TEST(TCEBuffer, MoveToWordStartAfterTheTextChanged) {
    test::ScriptedMessagePort messages;
    MemoryEditControl memo("one two three");
    TCEBuffer buffer(memo, messages);
    buffer.NextWord();
    buffer.NextWord();  // position 8, after "two"
    memo.SetText("one twofold three");
    buffer.LoadText();
    buffer.MoveToWordStart();
    EXPECT_EQ(buffer.Position(), 4u);
    EXPECT_EQ(buffer.NextWord(), "twofold");

    memo.SetText("o");  // shorter than the position
    buffer.LoadText();
    buffer.MoveToWordStart();
    EXPECT_EQ(buffer.NextWord(), "");
}
