#include <gtest/gtest.h>

#include "base/CommaText.h"
#include "base/IntegerText.h"
#include "base/MultipleSelection.h"
#include "base/WordComparison.h"

using namespace zendal;

TEST(CommaText, Split) {
    struct Case {
        std::string text;
        std::vector<std::string> items;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"  a, b ,c", {"a", "b", "c"}},
        {"meta tags, meta data", {"meta", "tags", "meta", "data"}},
        {",a", {"", "a"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a"}},
        {"\"two words\", x", {"two words", "x"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"\"unclosed, rest", {"unclosed, rest"}},
        {"a\r\nb\tc", {"a", "b", "c"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommaText::Split(c.text), c.items) << c.text;
    }
}

TEST(IntegerText, Parse) {
    struct Case {
        std::string text;
        int value;
    };
    for (const Case& c : std::vector<Case>{{"6", 6},
                                           {" 12", 12},
                                           {"-3", -3},
                                           {"+4", 4},
                                           {"$1F", 31},
                                           {"0x10", 16},
                                           {"2147483647", 2147483647}}) {
        EXPECT_EQ(IntegerText::Parse(c.text), c.value) << c.text;
    }
    for (std::string bad : {"", "six", "12 ", "1.5", "2147483648", "-", "$"}) {
        try {
            IntegerText::Parse(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + bad + "' is not a valid integer value");
        }
    }
}

TEST(WordComparison, IgnoresCaseButNotAccents) {
    EXPECT_TRUE(WordComparison::Equal("Web", "WEB"));
    EXPECT_TRUE(WordComparison::Equal("\xc3\x89t\xc3\xa9", "\xc3\xa9T\xc3\x89"));  // Été / éTÉ
    EXPECT_FALSE(WordComparison::Equal("resume", "r\xc3\xa9sum\xc3\xa9"));
    EXPECT_EQ(WordComparison::SortKey("Web"), WordComparison::SortKey("wEb"));
    EXPECT_NE(WordComparison::SortKey("web"), WordComparison::SortKey("webs"));
    EXPECT_LT(WordComparison::Compare("apple", "Banana"), 0);
    EXPECT_EQ(WordComparison::FoldCase("MiXeD \xc3\x89"), "mixed \xc3\xa9");
}

TEST(MultipleSelection, TheTwoComparisonsWithTheMarker) {
    struct Case {
        const char* name;
        bool ignoringCase;
        bool exactly;
    };
    for (const Case& c : std::vector<Case>{{"MULT", true, true},
                                           {"mult", true, false},
                                           {"Mult", true, false},
                                           {"MULT ", false, false},
                                           {"/site/MULT", false, false},
                                           {"", false, false}}) {
        EXPECT_EQ(MultipleSelection::MarksIgnoringCase(c.name), c.ignoringCase) << c.name;
        EXPECT_EQ(MultipleSelection::MarksExactly(c.name), c.exactly) << c.name;
    }
}
