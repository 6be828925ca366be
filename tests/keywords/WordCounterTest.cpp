#include "keywords/WordCounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/WordComparison.h"

namespace zendal {
namespace {

// Counting as plain list searches under the word comparison, then sorting the sort keys under
// it: the reference that the hashed counter must match.
std::vector<CountedWord> CountByListSearch(const std::vector<std::string>& words) {
    std::vector<CountedWord> table;
    for (const std::string& word : words) {
        auto found = std::find_if(table.begin(), table.end(), [&](const CountedWord& entry) {
            return WordComparison::Equal(entry.word, word);
        });
        if (found == table.end()) {
            table.push_back({word, 1});
        } else {
            ++found->count;
        }
    }
    std::vector<std::string> keys;
    for (const CountedWord& entry : table) {
        keys.push_back(WordCounter::SortKey(entry));
    }
    std::sort(keys.begin(), keys.end(), [](const std::string& a, const std::string& b) {
        return WordComparison::Compare(a, b) < 0;
    });
    std::vector<CountedWord> sorted;
    for (const std::string& key : keys) {
        sorted.push_back({key.substr(6), std::stoi(key.substr(0, 6))});
    }
    return sorted;
}

TEST(WordCounter, MatchesCountingByListSearch) {
    const std::vector<std::string> stems = {
        "the",  "The",  "THE",   "apple", "Apple",  "pear",   "end",    "end.",   "2000",
        "",     "é",    "É",     "e",     "resume", "résumé", "Résumé", "straße", "STRASSE",
        "ID=5", "id=5", "naïve", "naive", "zebra",  "Zebra",  "ß",      "ss",     "a-b",
    };
    std::mt19937 random(8);
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> words;
        const int n = 50 + round * 20;
        for (int i = 0; i < n; ++i) {
            words.push_back(stems[random() % stems.size()]);
        }
        WordCounter counter;
        for (const std::string& word : words) {
            counter.Add(word);
        }
        ASSERT_EQ(counter.InSortKeyOrder(), CountByListSearch(words)) << "round " << round;
    }
}

TEST(WordCounter, CountsTheWordsOfATextAsOneByOne) {
    // Enough spellings for the table to grow several times; long ones alike in their first
    // sixteen bytes; case variants; left-out words.
    std::mt19937 random(21);
    std::vector<std::string> words;
    std::string text;
    for (int i = 0; i < 6000; ++i) {
        std::string word =
            (i % 3 == 0 ? "internationalisation-" : "w") + std::to_string(random() % 1500);
        if (i % 5 == 0) {
            word[0] = static_cast<char>(word[0] - 32);
        }
        words.push_back(word);
        text += word + (i % 7 == 0 ? ", " : " ");
    }
    WordCounter oneByOne;
    WordCounter wholeText;
    for (WordCounter* counter : {&oneByOne, &wholeText}) {
        counter->LeaveOut("w1");
        counter->LeaveOut("INTERNATIONALISATION-2");
    }
    for (const std::string& word : words) {
        oneByOne.Add(word);
    }
    wholeText.AddWords(text);
    EXPECT_EQ(wholeText.Total(), oneByOne.Total());
    EXPECT_EQ(wholeText.InSortKeyOrder(), oneByOne.InSortKeyOrder());

    std::vector<std::string> counted;
    for (const std::string& word : words) {
        if (!WordComparison::Equal(word, "w1") &&
            !WordComparison::Equal(word, "internationalisation-2")) {
            counted.push_back(word);
        }
    }
    EXPECT_EQ(oneByOne.Total(), static_cast<int>(counted.size()));
    EXPECT_EQ(oneByOne.InSortKeyOrder(), CountByListSearch(counted));
}

TEST(WordCounter, SortKeyHasSixDigitsAtLeast) {
    EXPECT_EQ(WordCounter::SortKey({"word", 12}), "000012word");
    EXPECT_EQ(WordCounter::SortKey({"", 1234567}), "1234567");
}

}  // namespace
}  // namespace zendal
