// Word counts compiled into a dictionary file, and the walk that finds the words within a few
// edits of a misspelling.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "SpellTestSupport.h"
#include "base/AsciiText.h"
#include "spell/CodePage437.h"
#include "spell/EditDistanceWalk.h"
#include "spell/TDCTFile.h"
#include "spell/WordFrequencyList.h"

using namespace zendal;

namespace {

// The edits (insert, delete, replace, swap of neighbours) between two words, the plain way.
int Edits(const std::string& a, const std::string& b) {
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        for (std::size_t j = 0; j <= b.size(); ++j) {
            if (i == 0 || j == 0) {
                d[i][j] = int(i + j);
                continue;
            }
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

std::string CompileWithCounts(const std::vector<std::string>& words, const std::string& counts) {
    WordFrequencyList list = WordFrequencyList::Parse(counts);
    TDCTCompiler compiler({.dropPossessives = true, .frequencies = &list});
    return compiler.Compile(words);
}

}  // namespace

TEST(WordFrequencyList, ReadsLinesAndTheNpmPackagesJson) {
    WordFrequencyList lines = WordFrequencyList::Parse("the 500\nThe\t20\ncaf\xC3\xA9 7\nbad\n");
    EXPECT_EQ(lines.Count("the"), 520u);  // folded as the word test folds
    EXPECT_EQ(lines.Count("caf\x82"), 7u);
    EXPECT_EQ(lines.Count("bad"), 0u);
    WordFrequencyList json = WordFrequencyList::Parse(
        "[\n  {\n    \"word\": \"you\",\n    \"count\": 2134713\n  },\n"
        "  {\"word\": \"I\", \"count\": 12},\n  {\"count\": 3, \"word\": \"a\\\"b\"}\n]\n");
    EXPECT_EQ(json.Size(), 3u);
    EXPECT_EQ(json.Count("you"), 2134713u);
    EXPECT_EQ(json.Count("i"), 12u);
    EXPECT_EQ(json.Count("a\"b"), 3u);
    EXPECT_EQ(WordFrequencyList::Band(0), 1);
    EXPECT_EQ(WordFrequencyList::Band(2), 8);
    EXPECT_EQ(WordFrequencyList::Band(1024), 80);
    EXPECT_EQ(WordFrequencyList::Band(UINT64_MAX), 255);
}

// Every word gets its own count back through the numbering of the graph, whatever the words
// share of their starts and ends.
TEST(RankingSection, EachWordFindsItsOwnFrequency) {
    test::TempDir dir;
    std::vector<std::string> words = test::FixtureWords();
    std::string counts;
    std::size_t n = 0;
    for (const std::string& word : words) {
        counts += word + " " + std::to_string(std::size_t(1) << (n++ % 30)) + "\n";
    }
    TDCTFile file(dir.Write("ranked.dct", CompileWithCounts(words, counts)).string());
    ASSERT_TRUE(file.HasFrequencies());
    WordFrequencyList list = WordFrequencyList::Parse(counts);
    for (const std::string& word : words) {
        if (word.ends_with("'s")) {
            continue;
        }
        std::string oem = AsciiText::Lower(CodePage437::FromUtf8(word));
        EXPECT_EQ(file.FrequencyOf(oem), WordFrequencyList::Band(list.Count(oem))) << word;
    }
    EXPECT_EQ(file.FrequencyOf("notaword"), 0);
    // The section lies beyond the nodes: the word test is that of a file without it.
    for (const char* word : {"dog", "dictionary", "caf\x82"}) {
        EXPECT_TRUE(file.FindWord(word)) << word;
    }
}

TEST(RankingSection, AFileWithoutCountsOrWithABrokenSectionHasNone) {
    test::TempDir dir;
    TDCTCompiler plain;
    TDCTFile without(dir.Write("plain.dct", plain.Compile({"dog", "the"})).string());
    EXPECT_FALSE(without.HasFrequencies());
    EXPECT_EQ(without.FrequencyOf("dog"), 0);

    std::string bytes = CompileWithCounts({"dog", "the"}, "dog 5\nthe 9\n");
    bytes.pop_back();  // the sizes in the header no longer agree
    TDCTFile broken(dir.Write("broken.dct", bytes).string());
    EXPECT_FALSE(broken.HasFrequencies());
    EXPECT_TRUE(broken.FindWord("the"));
    EXPECT_EQ(broken.FrequencyOf("the"), 0);
}

// The walk finds exactly the words within reach, as a plain edit distance over the whole list
// finds them; words that begin with another letter than the misspelling's first or second are
// allowed one edit less.
TEST(EditDistanceWalk, FindsTheWordsWithinReach) {
    test::TempDir dir;
    std::vector<std::string> words = test::FixtureWords();
    TDCTFile file(test::CompileDictionary(dir, words).string());
    for (const std::string misspelling :
         {"dgo", "dictionari", "teh", "cafe", "a", "xyzzy", "inthe", "ogd"}) {
        for (int reach = 0; reach <= 2; ++reach) {
            std::vector<EditCandidate> found;
            EditDistanceWalk::Collect(file, misspelling, reach, found);
            std::set<std::string> got;
            for (const EditCandidate& c : found) {
                got.insert(c.word);
                EXPECT_EQ(c.edits, Edits(misspelling, c.word)) << c.word;
            }
            std::set<std::string> expected;
            for (const std::string& word : words) {
                std::string oem = AsciiText::Lower(CodePage437::FromUtf8(word));
                bool start = oem[0] == misspelling[0] ||
                             (misspelling.size() > 1 && oem[0] == misspelling[1]);
                if (!oem.ends_with("'s") && Edits(misspelling, oem) <= reach - (start ? 0 : 1)) {
                    expected.insert(oem);
                }
            }
            EXPECT_EQ(got, expected) << misspelling << " within " << reach;
        }
    }
}
