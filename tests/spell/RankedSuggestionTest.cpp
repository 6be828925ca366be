// The ranked suggestions over the dictionaries that the build compiles from Debian's word lists,
// and the dictionary of each shipped language.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "spell/DictionaryLanguages.h"
#include "spell/TDictionary.h"
#include "support/ScriptedMessagePort.h"
#include "support/TestSupport.h"

using namespace zendal;

namespace {

const std::string kBuildData = std::string(ZENDAL_BUILD_DATA_DIR) + "/";

}  // namespace

// Real misspellings, with the word that people meant: it comes first.
TEST(RankedSuggestions, PutTheMeantWordFirst) {
    const std::string shipped = kBuildData + "zendal.dct";
    if (!std::filesystem::exists(shipped)) {
        GTEST_SKIP() << shipped << " was not built";
    }
    test::ScriptedMessagePort messages;
    TDictionary dictionary(messages);
    ASSERT_TRUE(dictionary.OpenDictionary(shipped));
    ASSERT_TRUE(dictionary.DictionaryFiles().front()->HasFrequencies())
        << "zendal.dct was built without word counts: run scripts/install-deps";
    const std::pair<const char*, const char*> cases[] = {
        {"teh", "the"},
        {"Teh", "The"},
        {"TEH", "THE"},
        {"recieve", "receive"},
        {"accomodate", "accommodate"},
        {"definately", "definitely"},
        {"seperate", "separate"},
        {"occured", "occurred"},
        {"untill", "until"},
        {"wierd", "weird"},
        {"tommorow", "tomorrow"},
        {"goverment", "government"},
        {"neccessary", "necessary"},
        {"pastreis", "pastries"},
        {"becuase", "because"},
        {"thier", "their"},
        {"acheive", "achieve"},
        {"existance", "existence"},
        {"inthe", "in the"},
        {"calender", "calendar"},
        {"concious", "conscious"},
        {"harrass", "harass"},
        {"millenium", "millennium"},
        {"questionaire", "questionnaire"},
        {"rythm", "rhythm"},
        {"supercede", "supersede"},
        {"foriegn", "foreign"},
        {"vaccuum", "vacuum"},
        {"wether", "whether"},
    };
    for (const auto& [misspelling, meant] : cases) {
        std::vector<std::string> list = dictionary.RankedSuggest(misspelling, 15);
        ASSERT_FALSE(list.empty()) << misspelling;
        EXPECT_EQ(list.front(), meant) << misspelling;
        EXPECT_LE(list.size(), 15u);
    }
    EXPECT_TRUE(dictionary.RankedSuggest("", 15).empty());
    EXPECT_EQ(dictionary.RankedSuggest("teh", 1).size(), 1u);
    // A cut into two common words is offered; one whose second word is a single letter is not.
    std::vector<std::string> cuts = dictionary.RankedSuggest("alot", 3);
    EXPECT_NE(std::find(cuts.begin(), cuts.end(), "a lot"), cuts.end());
    for (const std::string& entry : dictionary.RankedSuggest("untill", 15)) {
        EXPECT_NE(entry, "until l");
    }
}

// Each shipped language knows a few of its own words and rejects an English one; a page in a
// variety of a language gets the language's dictionary.
TEST(RankedSuggestions, EachLanguageKnowsItsOwnWords) {
    struct Case {
        const char* language;
        std::vector<const char*> own;
        const char* foreign;
    } cases[] = {
        {"en-us", {"color", "harbor", "organize", "center"}, "colour"},
        {"en-gb", {"colour", "harbour", "organise", "centre"}, "color"},
        {"en-ca", {"colour", "harbour", "organize", "centre"}, "organise"},
        {"de",
         {"Haus",
          "Stra\xC3\x9F"
          "e",
          "sch\xC3\xB6n",
          "M\xC3\xA4"
          "dchen"},
         "because"},
        {"de-ch", {"Haus", "Strasse", "sch\xC3\xB6n"}, "because"},
        {"fr",
         {"maison", "\xC3\xA9t\xC3\xA9",
          "fran\xC3\xA7"
          "ais",
          "gar\xC3\xA7on"},
         "because"},
        {"es", {"casa", "ni\xC3\xB1o", "coraz\xC3\xB3n", "tambi\xC3\xA9n"}, "because"},
        {"it", {"casa", "perch\xC3\xA9", "citt\xC3\xA0", "gatto"}, "because"},
        {"pt", {"casa", "caf\xC3\xA9", "voc\xC3\xAA", "obrigado"}, "because"},
        {"nl", {"huis", "fiets", "gezellig", "\xC3\xA9\xC3\xA9n"}, "because"},
        {"sv", {"hus", "ocks\xC3\xA5", "sm\xC3\xB6rg\xC3\xA5s", "flicka"}, "because"},
        {"ca",
         {"casa", "aix\xC3\xB2", "catal\xC3\xA0",
          "gr\xC3\xA0"
          "cies"},
         "because"},
    };
    test::TempDir home;
    const std::string folder = home.Path().string() + "/";
    std::filesystem::copy_file(kBuildData + "zendal.dct", folder + "zendal.dct");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        std::string path = DictionaryLanguages::PathOf(c.language, folder);
        if (!std::filesystem::exists(path)) {
            ADD_FAILURE() << "no dictionary for " << c.language << ": run scripts/install-deps";
            continue;
        }
        test::ScriptedMessagePort messages;
        TDictionary dictionary(messages);
        ASSERT_TRUE(dictionary.OpenDictionary(path));
        for (const char* word : c.own) {
            EXPECT_TRUE(dictionary.IsWord(word)) << word;
        }
        EXPECT_FALSE(dictionary.IsWord(c.foreign));
        EXPECT_EQ(DictionaryLanguages::ForPage(c.language, folder).language, c.language);
    }
    const std::pair<const char*, DictionaryLanguages::Choice> pages[] = {
        {"de-at", {"de", false}}, {" FR-CA ", {"fr", false}}, {"en-au", {"en-us", false}},
        {"en", {"en-us", false}}, {"", {"en-us", false}},     {"xx-yy", {"en-us", true}},
        {"ja", {"en-us", true}},
    };
    for (const auto& [field, choice] : pages) {
        auto got = DictionaryLanguages::ForPage(field, folder);
        EXPECT_EQ(got.language, choice.language) << field;
        EXPECT_EQ(got.fellBack, choice.fellBack) << field;
    }
    std::vector<std::string> available = DictionaryLanguages::Available(folder);
    ASSERT_FALSE(available.empty());
    EXPECT_EQ(available.front(), "en-us");
    EXPECT_NE(std::find(available.begin(), available.end(), "de"), available.end());
}
