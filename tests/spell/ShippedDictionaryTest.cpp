// A few checks against the dictionary that the build compiles from the Debian word list.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "spell/TDictionary.h"
#include "support/ScriptedMessagePort.h"

using namespace zendal;

namespace {

const std::string kShipped = std::string(ZENDAL_BUILD_DATA_DIR) + "/zendal.dct";

bool Holds(const std::vector<std::string>& list, const std::string& word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

}  // namespace

TEST(ShippedDictionary, KnowsEnglishAndSuggestsIt) {
    if (!std::filesystem::exists(kShipped)) {
        GTEST_SKIP() << kShipped << " was not built";
    }
    test::ScriptedMessagePort messages;
    TDictionary dictionary(messages);
    ASSERT_TRUE(dictionary.OpenDictionary(kShipped));
    for (const char* word : {"dictionary", "Dictionary", "DICTIONARY", "the", "Dog's", "Boston",
                             "accommodate", "caf\xC3\xA9", "I'm"}) {
        EXPECT_TRUE(dictionary.IsWord(word)) << word;
    }
    for (const char* word : {"teh", "accomodate", "dictio", "'s"}) {
        EXPECT_FALSE(dictionary.IsWord(word)) << word;
    }
    EXPECT_TRUE(Holds(dictionary.Suggest("teh", 15), "the"));
    EXPECT_TRUE(Holds(dictionary.Suggest("Teh", 15), "The"));
    EXPECT_TRUE(Holds(dictionary.Suggest("accomodate", 15), "accommodate"));
    EXPECT_EQ(dictionary.Suggest("inthe", 15).front(), "in the");
    auto completions = dictionary.CompleteWord("dictio", 15);
    EXPECT_TRUE(Holds(completions, "dictionary"));
    EXPECT_TRUE(std::is_sorted(completions.begin(), completions.end()));
    EXPECT_TRUE(Holds(dictionary.CompleteWord("Dictio", 15), "Dictionary"));
    // The possessive forms of the list are left out.
    EXPECT_FALSE(Holds(dictionary.CompleteWord("dog", 255), "dog's"));
}
