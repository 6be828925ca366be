#include <gtest/gtest.h>

#include <filesystem>

#include "spell/SpellSessionLists.h"
#include "spell/TDictionary.h"
#include "support/ScriptedMessagePort.h"
#include "support/TestSupport.h"

using namespace zendal;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs Read(const std::string& text) {
    Pairs pairs;
    for (const auto& p : SpellSessionLists::ReadAutoCorrectFile(text)) {
        pairs.emplace_back(p.word, p.replacement);
    }
    return pairs;
}

}  // namespace

TEST(SpellSessionLists, ReadsTheAutomaticCorrections) {
    struct Case {
        const char* name;
        std::string text;
        Pairs pairs;
    } cases[] = {
        {"lines",
         "teh=the\r\nadn=and\nalot=a lot",
         {{"teh", "the"}, {"adn", "and"}, {"alot", "a lot"}}},
        {"first equals sign splits", "a=b=c", {{"a", "b=c"}}},
        {"empty sides and comments skipped", "; note\n=x\ny=\n\n=\nok=fine\n", {{"ok", "fine"}}},
        {"replacement cut to 255 characters",
         "w=" + std::string(300, 'r'),
         {{"w", std::string(255, 'r')}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Read(c.text), c.pairs);
    }
}

TEST(SpellSessionLists, ListsIgnoreLetterCase) {
    SpellSessionLists lists;
    lists.IgnoreAll("Metta");
    lists.IgnoreAll("METTA");
    EXPECT_EQ(lists.IgnoredWords(), std::vector<std::string>{"metta"});
    EXPECT_TRUE(lists.IsIgnored("mEtTa"));
    EXPECT_FALSE(lists.IsIgnored("meta"));

    lists.AddChangeAll("teh", "the");
    lists.AddChangeAll("TEH", "tea");
    EXPECT_EQ(lists.ChangeAllReplacement("Teh"), "the");
    EXPECT_EQ(lists.ChangeAllReplacement("the"), std::nullopt);
    lists.ClearChangeAll();
    EXPECT_EQ(lists.ChangeAllReplacement("teh"), std::nullopt);
}

// Every shipped correction must fire (the dictionary rejects its word) and lead to words that
// the dictionary holds.
TEST(SpellSessionLists, ShippedCorrectionsFitTheShippedDictionary) {
    const std::string dictionaryPath = std::string(ZENDAL_BUILD_DATA_DIR) + "/zendal.dct";
    if (!std::filesystem::exists(dictionaryPath)) {
        GTEST_SKIP() << dictionaryPath << " was not built";
    }
    test::ScriptedMessagePort messages;
    TDictionary dictionary(messages);
    ASSERT_TRUE(dictionary.OpenDictionary(dictionaryPath));
    auto pairs = SpellSessionLists::ReadAutoCorrectFile(
        test::ReadFile(std::filesystem::path(ZENDAL_TEST_DATA_DIR) / "../../data/autofix.txt"));
    EXPECT_GT(pairs.size(), 100u);
    for (const auto& pair : pairs) {
        EXPECT_FALSE(dictionary.IsWord(pair.word)) << pair.word;
        std::size_t start = 0;
        while (start <= pair.replacement.size()) {
            std::size_t blank = pair.replacement.find(' ', start);
            if (blank == std::string::npos) {
                blank = pair.replacement.size();
            }
            std::string word = pair.replacement.substr(start, blank - start);
            EXPECT_TRUE(dictionary.IsWord(word)) << pair.word << " -> " << word;
            start = blank + 1;
        }
    }
}
