// The pieces that rank suggestions: the phonetic code, the similarity score, the ranked list
// and the letter case of the results.
#include <gtest/gtest.h>

#include "spell/CodePage437.h"
#include "spell/LetterCase.h"
#include "spell/PhoneticCode.h"
#include "spell/SimilarityScore.h"
#include "spell/TSuggestList.h"

using namespace zendal;

TEST(PhoneticCode, CodesAsTheRulesGiveThem) {
    struct Case {
        const char* word;
        const char* unfilled;
        const char* filled;
    } cases[] = {
        {"ROBERT", "R163", "R163"},
        {"robert", "R163", "R163"},
        {"TYMCZAK", "T52", "T520"},  // a repeated digit is kept once, across a vowel too
        {"teh", "T", "T000"},
        {"PFISTER", "P123", "P123"},   // the first letter is never compared with a digit
        {"ASHCRAFT", "A261", "A261"},  // H is a vowel: S and C are one digit
        {"o'neil", "O954", "O954"},    // the apostrophe takes the extra code
        {"a12", "A9", "A900"},         // two extra codes in a row count once
        {"x", "X", "X000"},
        {"", "", "0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(PhoneticCode::Of(c.word, false), c.unfilled);
        EXPECT_EQ(PhoneticCode::Of(c.word, true), c.filled);
    }
}

TEST(PhoneticCode, PrefixTest) {
    struct Case {
        const char* candidate;
        const char* target;
        bool passes;
    } cases[] = {
        {"r", "R163", true},      {"rob", "R163", true},     {"rab", "R163", true},
        {"robert", "R163", true}, {"roberts", "R163", true}, {"rot", "R163", false},
        {"bob", "R163", false},   {"", "R163", true},        {"the", "T000", true},
        {"they", "T000", true},   {"them", "T000", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.candidate) + " against " + c.target);
        EXPECT_EQ(PhoneticCode::PrefixTest(c.candidate, c.target), c.passes);
    }
}

TEST(SimilarityScore, ScoresOfTheMatchRecursion) {
    struct Case {
        const char* s1;
        const char* s2;
        int score;
    } cases[] = {
        {"ab", "ab", 100},  {"ab", "ba", 50},         {"cat", "cut", 66}, {"teh", "the", 66},
        {"a", "a", 0},      {"a", "abc", 0},          {"abc", "a", 0},    {"", "", 0},
        {"", "abc", 0},     {"abxcde", "abycde", 83},  // ab first, then cde on the right
        {"abcd", "xyz", 0}, {"spell", "spell", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.s1) + "/" + c.s2);
        EXPECT_EQ(SimilarityScore::Of(c.s1, c.s2), c.score);
    }
}

TEST(TSuggestList, KeepsTheBestUpToItsCapacityInArrivalOrderForTies) {
    struct Step {
        const char* word;
        int score;
        std::vector<std::string> after;
    };
    std::vector<Step> steps = {
        {"b", 50, {"b"}},      {"c", 40, {"b", "c"}},
        {"d", 30, {"b", "c"}},  // lower than every entry of a full list: dropped
        {"e", 45, {"b", "e"}},  // above the last entry: pushes it out
        {"f", 50, {"b", "f"}},  // equal to the head: comes after it
        {"g", 50, {"b", "f"}},  // equal to every entry of a full list: dropped
        {"h", 90, {"h", "b"}},
    };
    TSuggestList list(2);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.word);
        list.Place(step.word, static_cast<std::int16_t>(step.score));
        std::vector<std::string> words;
        for (const auto& entry : list.Entries()) {
            words.push_back(entry.word);
        }
        EXPECT_EQ(words, step.after);
    }
}

TEST(TSuggestList, RankScoresAgainstTheWord) {
    TSuggestList list(3);
    list.Rank("teh", "ten");  // te: 66
    list.Rank("teh", "tax");  // t: 33
    list.Rank("teh", "the");  // 66, after ten
    ASSERT_EQ(list.Entries().size(), 3u);
    EXPECT_EQ(list.Entries()[0].word, "ten");
    EXPECT_EQ(list.Entries()[1].word, "the");
    EXPECT_EQ(list.Entries()[2].word, "tax");
    EXPECT_EQ(list.Entries()[2].score, 33);
}

TEST(LetterCase, FollowsTheModelWord) {
    struct Case {
        std::string entry;
        std::string model;
        std::string adjusted;
    } cases[] = {
        {"the", "Teh", "The"},
        {"the", "TEH", "THE"},
        {"the", "teh", "the"},
        {"The", "teh", "the"},
        {"in the", "Inthe", "In the"},
        {"the", "", "the"},
        {"a", "A", "A"},  // one letter: the first decides
        {"A", "a", "a"},
        {"the", "t1", "THE"},  // a digit counts as a capital
        // Accented letters upper-case by the dictionary's table; ù has no entry.
        {"\x82"
         "cole",
         "\x90"
         "COLE",
         "\x90"
         "COLE"},
        {"o\x97", "OU", "O\x97"},
        {"\xA0"
         "bc",
         "XY", "ABC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry + " / " + c.model);
        EXPECT_EQ(LetterCase::Adjust(c.entry, c.model), c.adjusted);
    }
}

TEST(CodePage437, ConvertsAtTheDictionaryBoundary) {
    struct Case {
        std::string utf8;
        std::string oem;
    } cases[] = {
        {"plain", "plain"},
        {"caf\xC3\xA9", "caf\x82"},      // é
        {"Z\xC3\xBCrich", "Z\x81rich"},  // ü
        {"\xC3\xB1"
         "and\xC3\xBA",
         "\xA4"
         "and\xA3"},               // ñ ú
        {"\xE2\x96\x91", "\xB0"},  // a box-drawing shade
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(CodePage437::FromUtf8(c.utf8), c.oem);
        EXPECT_EQ(CodePage437::ToUtf8(c.oem), c.utf8);
        EXPECT_TRUE(CodePage437::CanEncode(c.utf8));
    }
    // What the code page lacks, and broken UTF-8, become '?'.
    struct Lost {
        std::string utf8;
        std::string oem;
    } lost[] = {
        {"\xC3\xB8", "?"},                            // ø
        {"a\xC3", "a?"},                              // cut short
        {"\xFF", "?"},      {"\xED\xA0\x80", "???"},  // a surrogate, byte by byte
        {"\xC0\xAF", "??"},                           // an overlong slash
    };
    for (const Lost& c : lost) {
        EXPECT_EQ(CodePage437::FromUtf8(c.utf8), c.oem);
        EXPECT_FALSE(CodePage437::CanEncode(c.utf8));
    }
}
