#include "keywords/CharacterReference.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zendal {
namespace {

TEST(CharacterReference, DecodesNamesAndNumbers) {
    struct Case {
        std::string name;
        bool closed;
        std::optional<std::string> character;
    };
    const std::vector<Case> cases = {
        {"eacute", true, "\xC3\xA9"},
        {"Eacute", true, "\xC3\x89"},
        {"nbsp", true, "\xC2\xA0"},
        {"amp", false, "&"},  // Latin-1 and the four of ASCII need no ";"
        {"yuml", false, "\xC3\xBF"},
        {"hellip", true, "\xE2\x80\xA6"},
        {"hellip", false, std::nullopt},  // the others do
        {"sigmaf", true, "\xCF\x82"},
        {"Omega", true, "\xCE\xA9"},
        {"omega", true, "\xCF\x89"},
        {"apos", true, "'"},
        {"T", true, std::nullopt},
        {"", false, std::nullopt},
        {"#233", true, "\xC3\xA9"},
        {"#xE9", false, "\xC3\xA9"},
        {"#X1F600", true, "\xF0\x9F\x98\x80"},
        {"#150", true, "\xE2\x80\x93"},  // the Windows-1252 dash, as browsers read it
        {"#0", true, "\xEF\xBF\xBD"},
        {"#xD800", true, "\xEF\xBF\xBD"},
        {"#99999999999999999999", true, "\xEF\xBF\xBD"},
        {"#", true, std::nullopt},
        {"#x", true, std::nullopt},
        {"#12a", true, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharacterReference::Decode(c.name, c.closed), c.character)
            << c.name << (c.closed ? ";" : "");
    }
}

TEST(CharacterReference, DecodesAText) {
    EXPECT_EQ(CharacterReference::DecodeAll("caf&eacute; &amp;&lt;b&gt; &#233&#xe9;"),
              "caf\xC3\xA9 &<b> \xC3\xA9\xC3\xA9");
    EXPECT_EQ(CharacterReference::DecodeAll("R&D & &unknown; &hellip &&amp;"),
              "R&D & &unknown; &hellip &&");
    EXPECT_EQ(CharacterReference::DecodeAll(""), "");
}

}  // namespace
}  // namespace zendal
