// Suggest and CompleteWord over the fixture dictionary, and over graphs that break the rules.
#include <gtest/gtest.h>

#include "spell/EDictionaryCorrupt.h"
#include "spell/TDictionary.h"
#include "spell/TSuggestionEngine.h"
#include "support/ScriptedMessagePort.h"
#include "tests/spell/SpellTestSupport.h"

using namespace zendal;
using namespace zendal::test;

using Words = std::vector<std::string>;

namespace {

class SuggestionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dictionary.OpenDictionary(CompileDictionary(dir, FixtureWords()).string()));
    }

    TempDir dir;
    ScriptedMessagePort messages;
    TDictionary dictionary{messages};
};

}  // namespace

TEST_F(SuggestionTest, Suggest) {
    struct Case {
        std::string word;
        int count;
        Words suggestions;
    } cases[] = {
        // Splits come first, then sound-alikes best first.
        {"inthe", 15, {"in the", "into"}},
        {"Inthe", 15, {"In the", "Into"}},
        {"inthe", 1, {"in the"}},  // the splits fill the list: no sound-alikes are sought
        {"teh", 15, {"the", "they"}},
        {"Teh", 15, {"The", "They"}},
        {"TEH", 15, {"THE", "THEY"}},
        {"teh", 1, {"the"}},
        // Four to eight letters for a word of six: spa and spellings are left out.
        {"spelin", 15, {"spelling", "spell"}},
        {"ct", 15, {"cat", "cot", "cut", "coat"}},  // equal scores in the order found
        {"dogz", 15, {"dog", "dogs"}},
        {"xylophone", 15, {}},  // no word begins with x
        {"", 15, {}},
        {"teh", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word + " " + std::to_string(c.count));
        EXPECT_EQ(dictionary.Suggest(c.word, c.count), c.suggestions);
    }
}

TEST_F(SuggestionTest, UserWordsJoinTheRankingWhateverTheirLength) {
    dir.Write("CUSTOM.DCT", "spelunkers\r\nzebra\r\n");
    ASSERT_TRUE(dictionary.LoadUserDictionary("CUSTOM.DCT"));
    EXPECT_EQ(dictionary.Suggest("spelin", 15), (Words{"spelling", "spell", "spelunkers"}));
    EXPECT_EQ(dictionary.Suggest("spelin", 2), (Words{"spelling", "spell"}));
}

TEST_F(SuggestionTest, SplitsUseTheWholeWordTest) {
    TSuggestionEngine engine(dictionary);
    EXPECT_EQ(engine.SplitSuggestions("catdogs", 15), (Words{"cat dogs"}));
    EXPECT_EQ(engine.SplitSuggestions("andat", 15), (Words{"and at"}));
    EXPECT_EQ(engine.SplitSuggestions("a", 15), Words{});
    EXPECT_EQ(engine.SplitSuggestions("thein", 15), (Words{"the in"}));
}

TEST_F(SuggestionTest, CompleteWord) {
    struct Case {
        std::string typed;
        int count;
        Words completions;
    } cases[] = {
        {"dictio", 15, {"diction", "dictionaries", "dictionary"}},
        {"Dictio", 15, {"Diction", "Dictionaries", "Dictionary"}},
        {"DICT", 15, {"DICTATE", "DICTATOR", "DICTION", "DICTIONARIES", "DICTIONARY"}},
        {"dict", 2, {"dictate", "dictator"}},
        {"dog", 15, {"dogs"}},  // the typed word itself is not offered
        {"dogs", 15, {}},
        {"caf", 15, {"caf\xC3\xA9"}},
        {"xyz", 15, {}},
        {"", 15, {}},
        {"dict", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + " " + std::to_string(c.count));
        EXPECT_EQ(dictionary.CompleteWord(c.typed, c.count), c.completions);
    }
}

namespace {

// Graphs that a crafted or damaged file may hold.
struct BadGraph {
    const char* name;
    std::vector<std::uint32_t> nodes;
};

std::vector<BadGraph> BadGraphs() {
    // Fifty-five levels of two letters, a and e, both leading to the next level: 2^55 paths,
    // no word among them.
    std::vector<std::uint32_t> doubling;
    const std::uint32_t levels = 55;
    for (std::uint32_t level = 0; level < levels; ++level) {
        std::uint32_t child = level + 1 < levels ? 2 * (level + 1) + 1 : 0;
        doubling.push_back(Node('a', false, false, child));
        doubling.push_back(Node('e', true, false, child));
    }
    return {
        {"cycle", {Node('a', true, true, 1)}},
        {"doubling", doubling},
        {"child beyond the file", {Node('a', true, false, 2), Node('b', true, true, 7)}},
        {"endless run",
         {Node('a', true, false, 2), Node('b', false, true, 0), Node('c', false, true, 0)}},
    };
}

}  // namespace

TEST(SuggestionsOnBadGraphs, EndAndReportCorruptionInsteadOfHanging) {
    for (const BadGraph& graph : BadGraphs()) {
        SCOPED_TRACE(graph.name);
        TempDir dir;
        ScriptedMessagePort messages;
        TDictionary dictionary(messages);
        ASSERT_TRUE(
            dictionary.OpenDictionary(dir.Write("bad.dct", DctBytes(graph.nodes)).string()));
        for (const std::string& word : {std::string("abab"), std::string(50, 'a')}) {
            try {
                dictionary.IsWord(word);
                dictionary.Suggest(word, 15);
                dictionary.CompleteWord(word.substr(0, 1), 15);
            } catch (const EDictionaryCorrupt&) {
                // The only way out besides an answer.
            }
        }
    }
}

TEST(SuggestionsOnBadGraphs, PathsLongerThanAWordAreCorrupt) {
    TempDir dir;
    ScriptedMessagePort messages;
    TDictionary dictionary(messages);
    ASSERT_TRUE(dictionary.OpenDictionary(
        dir.Write("cycle.dct", DctBytes({Node('a', true, true, 1)})).string()));
    EXPECT_TRUE(dictionary.IsWord("aaaa"));
    EXPECT_THROW(dictionary.CompleteWord("a", 255), EDictionaryCorrupt);
    // The walk for suggestions stops at its length window of its own accord.
    EXPECT_EQ(dictionary.Suggest("aaab", 3), (Words{"aaa", "aaaa", "aa"}));
}
