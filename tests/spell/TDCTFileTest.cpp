// Reading dictionary files: the header check, the block cache and files that break the rules.
#include <gtest/gtest.h>

#include <chrono>

#include "spell/EDictionaryCorrupt.h"
#include "spell/EDictionaryNotFound.h"
#include "spell/TDCTFile.h"
#include "tests/spell/SpellTestSupport.h"

using namespace zendal;
using namespace zendal::test;

namespace {

// A root list of 130 one-letter words with the letters 1 to 130, so that the word of letter k
// lies in node k: nodes 128 and 129 sit on either side of the first block boundary.
std::vector<std::uint32_t> OneLetterWords(std::uint32_t count) {
    std::vector<std::uint32_t> nodes;
    for (std::uint32_t k = 1; k <= count; ++k) {
        nodes.push_back(Node(static_cast<unsigned char>(k), k == count, true, 0));
    }
    return nodes;
}

}  // namespace

TEST(TDCTFile, ReadsNodesAcrossTheBlockBoundary) {
    TempDir dir;
    TDCTFile file(dir.Write("blocks.dct", DctBytes(OneLetterWords(130))).string());
    EXPECT_EQ(file.NodeCount(), 130u);
    for (std::uint32_t k : {1u, 127u, 128u, 129u, 130u, 128u, 1u}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(TDCTFile::Letter(file.ReadNode(k)), static_cast<char>(k));
        EXPECT_TRUE(file.FindWord(std::string(1, static_cast<char>(k))));
    }
    EXPECT_TRUE(TDCTFile::IsLastSibling(file.ReadNode(130)));
    EXPECT_FALSE(TDCTFile::IsLastSibling(file.ReadNode(129)));
    EXPECT_FALSE(file.FindWord(std::string(1, static_cast<char>(131))));
}

TEST(TDCTFile, FindWordFollowsChildLists) {
    // c -> a -> t(word) -> s(word); c -> o -> w(word); "ca" itself is no word.
    TempDir dir;
    TDCTFile file(dir.Write("cat.dct", DctBytes({
                                           Node('c', true, false, 2),   // 1
                                           Node('a', false, false, 4),  // 2
                                           Node('o', true, false, 6),   // 3
                                           Node('t', true, true, 5),    // 4
                                           Node('s', true, true, 0),    // 5
                                           Node('w', true, true, 0),    // 6
                                       }))
                      .string());
    struct Case {
        const char* word;
        bool found;
    } cases[] = {{"cat", true},    {"cats", true}, {"cow", true}, {"ca", false}, {"c", false},
                 {"catss", false}, {"cot", false}, {"", false},   {"dog", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(file.FindWord(c.word), c.found);
    }
}

TEST(TDCTFile, RejectsBadHeadersAndSizes) {
    TempDir dir;
    std::string good = DctBytes(OneLetterWords(3));
    std::string oneByteOff = good;
    oneByteOff[49] = 'x';  // the last padding byte of the identification text
    std::string firstByteOff = good;
    firstByteOff[0] ^= 0x20;
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"last-id-byte", oneByteOff},
        {"first-id-byte", firstByteOff},
        {"empty", ""},
        {"short-header", good.substr(0, 60)},
        {"no-nodes", good.substr(0, TDCTFile::kHeaderSize)},
        {"partial-node", good.substr(0, TDCTFile::kHeaderSize + 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto path = dir.Write(c.name, c.bytes);
        try {
            TDCTFile file(path.string());
            ADD_FAILURE() << "opened";
        } catch (const EDictionaryCorrupt& e) {
            EXPECT_STREQ(e.what(), "Dictionary Corrupt.");
        }
    }
    // The 33 bytes after the identification text are not looked at.
    std::string otherHeader = good;
    otherHeader[60] = 'z';
    EXPECT_NO_THROW(TDCTFile(dir.Write("other-header", otherHeader).string()));
}

TEST(TDCTFile, MissingFileIsNotFound) {
    TempDir dir;
    std::string path = (dir.Path() / "none.dct").string();
    try {
        TDCTFile file(path);
        ADD_FAILURE() << "opened";
    } catch (const EDictionaryNotFound& e) {
        EXPECT_EQ(std::string(e.what()), "Dictionary not found : " + path);
    }
}

TEST(TDCTFile, GraphsThatBreakTheRulesAreCorrupt) {
    std::vector<std::uint32_t> endlessRun;
    for (unsigned char letter = 'b'; letter <= 'z'; ++letter) {
        endlessRun.push_back(Node(letter, false, true, 0));  // no last-sibling flag anywhere
    }
    std::vector<std::uint32_t> longRun;  // 300 siblings: more than there are letters
    for (std::uint32_t k = 0; k < 300; ++k) {
        longRun.push_back(Node('b', k == 299, true, 0));
    }
    struct Case {
        const char* name;
        std::vector<std::uint32_t> nodes;
        const char* word;
    } cases[] = {
        {"child beyond the file", {Node('a', true, false, 9)}, "ab"},
        {"child at the largest index", {Node('a', true, false, TDCTFile::kChildMask)}, "ab"},
        {"sibling run past the end", endlessRun, "a"},
        {"sibling run too long", longRun, "a"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDCTFile file(dir.Write("bad.dct", DctBytes(c.nodes)).string());
        EXPECT_THROW(file.FindWord(c.word), EDictionaryCorrupt);
        EXPECT_THROW(file.ReadNode(0), EDictionaryCorrupt);
        EXPECT_THROW(file.ReadNode(file.NodeCount() + 1), EDictionaryCorrupt);
    }
}

TEST(TDCTFile, ACycleEndsWithTheWord) {
    // a -> a -> a ... : every string of a's leads on, none is a word.
    TempDir dir;
    TDCTFile file(dir.Write("cycle.dct", DctBytes({Node('a', true, false, 1)})).string());
    EXPECT_FALSE(file.FindWord(std::string(50, 'a')));
}
