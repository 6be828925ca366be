// The compiler: every word of the list and nothing else, a shared-suffix graph, sorted siblings.
#include <gtest/gtest.h>

#include "base/AsciiText.h"
#include "base/EFileOpen.h"
#include "spell/CodePage437.h"
#include "spell/TDCTCompiler.h"
#include "spell/TDCTFile.h"
#include "tests/spell/SpellTestSupport.h"

using namespace zendal;
using namespace zendal::test;

namespace {

std::vector<std::string> RootLetters(const TDCTFile& file) {
    std::vector<std::string> letters;
    for (std::uint32_t k = 1;; ++k) {
        std::uint32_t node = file.ReadNode(k);
        letters.emplace_back(1, TDCTFile::Letter(node));
        if (TDCTFile::IsLastSibling(node)) {
            return letters;
        }
    }
}

}  // namespace

TEST(TDCTCompiler, HoldsEveryWordAndNothingElse) {
    TempDir dir;
    TDCTFile file(CompileDictionary(dir, FixtureWords()).string());
    for (const std::string& word : FixtureWords()) {
        std::string oem = AsciiText::Lower(CodePage437::FromUtf8(word));
        SCOPED_TRACE(word);
        EXPECT_EQ(file.FindWord(oem), !oem.ends_with("'s"));
    }
    for (const char* other : {"dictio", "walkin", "spel", "thes", "dogss", "zurich", "caf"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(file.FindWord(other));
    }
}

TEST(TDCTCompiler, SharesSuffixesAndSortsSiblings) {
    TDCTCompiler compiler;
    // A tree would need 14 nodes; the graph shares "alking" between walking and talking.
    std::string bytes = compiler.Compile({"walking", "talking"});
    EXPECT_EQ(compiler.LastResult().nodes, 8u);
    EXPECT_EQ(bytes.size(), TDCTFile::kHeaderSize + 4 * 8);

    TempDir dir;
    TDCTFile file(dir.Write("shared.dct",
                            compiler.Compile({"zeta", "Beta", "alpha", "eta", "\xC3\xA9t\xC3\xA9"}))
                      .string());
    EXPECT_EQ(RootLetters(file), (std::vector<std::string>{"a", "b", "e", "z", "\x82"}));
}

TEST(TDCTCompiler, WhatItLeavesOut) {
    TDCTCompiler keep;
    TDCTCompiler drop({.dropPossessives = true});
    std::vector<std::string> words = {"dog",
                                      "dog's",
                                      "DOG'S",
                                      "Dog",
                                      "",
                                      std::string(51, 'x'),
                                      std::string(50, 'y'),
                                      "k\xC3\xB8"
                                      "benhavn"};  // ø has no code page 437 byte
    keep.Compile(words);
    EXPECT_EQ(keep.LastResult().words, 3u);    // dog, dog's, y*50
    EXPECT_EQ(keep.LastResult().skipped, 2u);  // x*51 and the ø word
    drop.Compile(words);
    EXPECT_EQ(drop.LastResult().words, 2u);
}

TEST(TDCTCompiler, AnEmptyListMakesADictionaryWithoutWords) {
    TempDir dir;
    TDCTCompiler compiler;
    TDCTFile file(dir.Write("empty.dct", compiler.Compile({})).string());
    EXPECT_EQ(file.NodeCount(), 1u);
    EXPECT_FALSE(file.FindWord("a"));
    EXPECT_FALSE(file.FindWord(std::string(1, '\0')));
}

TEST(TDCTCompiler, ReadsWordListsOfEveryLineBreak) {
    TempDir dir;
    auto list = dir.Write("list.txt", "\xEF\xBB\xBFone\r\ntwo\nthree\r  four \n\n\r\n");
    EXPECT_EQ(TDCTCompiler::ReadWordList(list.string()),
              (std::vector<std::string>{"one", "two", "three", "four"}));
}

// A folder is no word list: it used to be read as an empty one, which compiled an empty
// dictionary without a word of complaint.
TEST(TDCTCompiler, AFolderOrAMissingFileIsNoWordList) {
    TempDir dir;
    for (const std::string& path : {dir.Path().string(), (dir.Path() / "missing.txt").string()}) {
        try {
            TDCTCompiler::ReadWordList(path);
            ADD_FAILURE() << path << " was read";
        } catch (const zendal::EFileOpen& e) {
            EXPECT_EQ(e.Message(), "Cannot open file " + path);
        }
    }
}
