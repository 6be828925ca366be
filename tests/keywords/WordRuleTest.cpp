#include "keywords/WordRule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zendal {
namespace {

TEST(WordRule, CutsTextIntoWords) {
    struct Case {
        std::string text;
        std::vector<std::string> words;
    };
    const std::vector<Case> cases = {
        {"We bake sourdough bread.", {"We", "bake", "sourdough", "bread"}},
        {"(bread), \"bread.\" bread;", {"bread", "bread", "bread"}},
        {"e-mail don't 3.5 id=5 AT&T", {"e-mail", "don't", "3.5", "id=5", "AT&T"}},
        {"a,b\tc\r\nd", {"a", "b", "c", "d"}},
        {"- // ); { # = ... \xE2\x80\x94 \xC2\xA9", {}},
        // No-break, ideographic and zero width spaces; the ideographic comma.
        {"one\xC2\xA0two\xE3\x80\x80three\xE2\x80\x8B"
         "four\xE3\x80\x81"
         "five",
         {"one", "two", "three", "four", "five"}},
        {"\xC2\xBFQu\xC3\xA9? \xC2\xAB"
         "caf\xC3\xA9\xC2\xBB",
         {"Qu\xC3\xA9", "caf\xC3\xA9"}},
        {"\xE6\x9D\xB1\xE4\xBA\xAC\xE3\x80\x82 \xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0!",
         {"\xE6\x9D\xB1\xE4\xBA\xAC", "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0"}},
        {"\xD9\xA3\xD9\xA4 \xC2\xB2", {"\xD9\xA3\xD9\xA4", "\xC2\xB2"}},  // digits of all scripts
        {"cafe\xCC\x81. \xCC\x81x", {"cafe\xCC\x81", "x"}},  // a mark goes with its letter
        // Bytes that start no character are punctuation; they never cut a word.
        {"ab\xFF"
         "cd \xC3 x\xE2\x82",
         {"ab\xFF"
          "cd",
          "x"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WordRule::Words(c.text), c.words) << c.text;
    }
}

TEST(WordRule, TrimsOnePiece) {
    EXPECT_EQ(WordRule::Trim("(bread)."), "bread");
    EXPECT_EQ(WordRule::Trim(" \"web design\" "), "web design");
    EXPECT_EQ(WordRule::Trim("--"), "");
    EXPECT_EQ(WordRule::Trim("c++"), "c");
}

}  // namespace
}  // namespace zendal
