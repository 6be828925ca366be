#include <gtest/gtest.h>

#include <functional>

#include "head/EInvalidMetaTag.h"
#include "head/FieldsText.h"
#include "head/HeadBlock.h"
#include "head/HeadHarness.h"
#include "head/MetaTagReader.h"
#include "head/TagList.h"

namespace zendal::test {
namespace {

struct ParseCase {
    const char* line;
    MetaTag tag;
    enum { Parsed, InvalidMetaTag, GeneralFailure } outcome = Parsed;
};

const ParseCase kParseCases[] = {
    {"<meta name=\"robots\" content=\"NOINDEX, FOLLOW\">", {"robots", "NOINDEX, FOLLOW"}},
    {"  <META NAME=\"keywords\" CONTENT=\"a, b\">\t", {"keywords", "a, b"}},
    {"<meta http-equiv=\"refresh\" content=\"5\">", {"refresh", "5"}},
    {"<meta name=\"author\" content=\"\">", {"author", ""}},
    {"<meta name = \"x\"   content =  \" spaced \" >", {"x", "spaced"}},
    // Without quotation marks the first and the last character are lost all the same.
    {"<meta name=keywords content=abc>", {"eyword", "b"}},
    // Content first: everything before CONTENT is the name, so there is none.
    {"<meta content=\"x\" name=\"y\">", {"", "y"}},
    {"<meta name=\"x\" value=\"y\">", {"", "y"}},
    {"<meta>", {"", ""}},
    {"<link rel=\"keywords\">", {}, ParseCase::InvalidMetaTag},
    {"<meta name=content=\"x\">", {}, ParseCase::InvalidMetaTag},
    {"<meta =\"keywords\" content=\"k\">", {}, ParseCase::GeneralFailure},
};

TEST(MetaTagReader, ParsesMetaTagLines) {
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(c.line);
        try {
            MetaTag tag = MetaTagReader::ParseMetaTag(c.line);
            EXPECT_EQ(c.outcome, ParseCase::Parsed);
            EXPECT_EQ(tag.name, c.tag.name);
            EXPECT_EQ(tag.content, c.tag.content);
        } catch (const EInvalidMetaTag& e) {
            EXPECT_EQ(c.outcome, ParseCase::InvalidMetaTag);
            EXPECT_EQ(e.Message(), "not valid meta tag");
        } catch (const ZendalError& e) {
            EXPECT_EQ(c.outcome, ParseCase::GeneralFailure);
            EXPECT_EQ(e.Message(), "not valid meta tag");
        }
    }
}

TEST(TagList, NamesAndValuesIgnoreCase) {
    TagList tags;
    tags.Add("Description=");
    tags.Add("keywords=");
    tags.SetValue("DESCRIPTION", "d=e");
    EXPECT_EQ(tags.Entry(0), "DESCRIPTION=d=e");
    EXPECT_EQ(tags.Value("description"), "d=e");
    tags.SetValue("keywords", "");
    EXPECT_EQ(tags.Entry(1), "keywords=");
    EXPECT_EQ(tags.Value("missing"), "");
    EXPECT_EQ((zendal::CustomRow{"  Author\t", " x "}.MetaName()), "author");
    EXPECT_EQ((zendal::CustomRow{"  Author\t", " x "}.MetaValue()), "x");
}

struct ReadCase {
    const char* what;
    const char* fixture;
    int set;
    std::vector<std::string> gridNames;
    std::function<void(WizardFields&)> expectedChanges;
};

const std::vector<ReadCase> kReadCases = {
    {"key words and description",
     "full.html",
     TagList::kKeywordsAndDescription,
     {},
     [](WizardFields& f) {
         f.edit22 = "hammer, saw";
         f.edit1 = "Tools for all";
     }},
    {"every option field",
     "full.html",
     TagList::kOptions,
     {},
     [](WizardFields& f) {
         f.Edit4 = "Zed";
         f.ComboBox1 = "NOINDEX, FOLLOW";
         f.ComboBox3 = "Local";
         f.ComboBox2 = "GENERAL";
         f.Edit6 = "Acme";
         f.Edit7 = "";
         f.ComboBox5 = "de";
         f.ComboBox4 = "Hardware";
         f.Edit3 = "info@acme.example";
         f.Edit2 = "7 days";
     }},
    {"custom rows: found, missing, capitalised and blank",
     "full.html",
     TagList::kCustom,
     {"subject", "audience", " Robots ", ""},
     [](WizardFields& f) {
         f.grid1[0].value = "tools";
         f.grid1[1].value = "";
         f.grid1[2].value = "NOINDEX, FOLLOW";
         f.grid1[3].value = "kept";
     }},
    {"only robots: the other options become empty",
     "robots-only.html",
     TagList::kOptions,
     {},
     [](WizardFields& f) {
         f.ComboBox1 = "NOINDEX";
         f.ComboBox3 = "";
         f.ComboBox5 = "";
         f.Edit2 = "";
     }},
    {"page 1 leaves the options alone",
     "robots-only.html",
     TagList::kKeywordsAndDescription,
     {},
     [](WizardFields&) {}},
    {"unquoted names fill nothing",
     "unquoted-names.html",
     TagList::kKeywordsAndDescription,
     {},
     [](WizardFields&) {}},
    {"unquoted names empty the options",
     "unquoted-names.html",
     TagList::kOptions,
     {},
     [](WizardFields& f) {
         f.ComboBox1 = "";
         f.ComboBox3 = "";
         f.ComboBox5 = "";
         f.Edit2 = "";
     }},
    {"a head of only the title reads nothing",
     "only-title.html",
     TagList::kOptions,
     {},
     [](WizardFields&) {}},
    {"a meta tag without content is skipped",
     "no-content-word.html",
     TagList::kKeywordsAndDescription,
     {},
     [](WizardFields& f) { f.edit1 = "d"; }},
    {"a link with the key after the meta tag",
     "link-before-meta.html",
     TagList::kKeywordsAndDescription,
     {},
     [](WizardFields& f) { f.edit22 = "late"; }},
};

// Loads the fixture's head block as the full read does, then reads one set.
void ReadSet(HeadHarness& h, int set) {
    h.LoadHead();
    h.Block().SetUpMetaLines();
    TagList tags;
    tags.BuildTagList(h.wizard, set);
    MetaTagReader(h.wizard).ReadTags(set, tags);
}

TEST(MetaTagReader, ReadsTheFieldsOfEachSet) {
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.what);
        HeadHarness h;
        h.Open(c.fixture);
        for (std::size_t i = 0; i < c.gridNames.size(); ++i) {
            h.wizard.fields.grid1[i].name = c.gridNames[i];
        }
        if (c.gridNames.size() == 4) {
            h.wizard.fields.grid1[3].value = "kept";
        }
        h.wizard.fields.edit22 = "old words";
        WizardFields expected = h.wizard.fields;
        c.expectedChanges(expected);
        ReadSet(h, c.set);
        EXPECT_EQ(FieldsText(h.wizard.fields), FieldsText(expected));
    }
}

TEST(MetaTagReader, AMetaTagBeginningWithEqualsEndsTheRead) {
    HeadHarness h;
    h.Open("equals-after-meta.html");
    try {
        ReadSet(h, TagList::kKeywordsAndDescription);
        ADD_FAILURE() << "no failure";
    } catch (const EInvalidMetaTag&) {
        ADD_FAILURE() << "not a general failure";
    } catch (const ZendalError& e) {
        EXPECT_EQ(e.Message(), "not valid meta tag");
    }
}

TEST(MetaTagReader, TheFirstLineWithTheKeyEndsTheSearch) {
    HeadHarness h;
    h.buffer.SetText(
        "<head>\r\n<title>x</title>\r\n<link rel=\"keywords\" href=\"k\">\r\n"
        "<meta name=\"keywords\" content=\"late\">\r\n</head>");
    TagList tags;
    tags.BuildTagList(h.wizard, TagList::kKeywordsAndDescription);
    MetaTagReader(h.wizard).ReadTags(TagList::kKeywordsAndDescription, tags);
    EXPECT_EQ(h.wizard.fields.edit22, "");
}

TEST(MetaTagReader, ReadsTheTitle) {
    const std::pair<const char*, const char*> cases[] = {
        {"full.html", "Acme Tools"},
        {"no-title.html", "Title Missing - Zendal"},
        {"title-two-lines.html", "My Page"},
        {"several-scripts.html", "Doc"},
    };
    for (const auto& [fixture, title] : cases) {
        SCOPED_TRACE(fixture);
        HeadHarness h;
        h.Open(fixture);
        h.LoadHead();
        MetaTagReader(h.wizard).ReadTitleLine();
        EXPECT_EQ(h.wizard.fields.Titlebox, title);
    }
}

TEST(MetaTagReader, AnUnclosedTitleLeavesTheField) {
    HeadHarness h;
    h.wizard.fields.Titlebox = "before";
    h.buffer.SetText("<head>\r\n<title>open\r\n</head>");
    MetaTagReader(h.wizard).ReadTitleLine();
    EXPECT_EQ(h.wizard.fields.Titlebox, "before");
}

TEST(TagList, BuildingASetShowsItsStatusTexts) {
    HeadHarness h;
    h.wizard.activeDocument = "/docs/a.html";
    TagList tags;
    tags.BuildTagList(h.wizard, TagList::kKeywordsAndDescription);
    tags.BuildTagList(h.wizard, TagList::kOptions);
    tags.BuildTagList(h.wizard, TagList::kCustom);
    EXPECT_EQ(tags.Count(), 0);
    tags.BuildTagList(h.wizard, 3);
    EXPECT_EQ(tags.Count(), 0);
    const std::vector<std::string> expected = {
        "Loading Description /docs/a.html", "Loading Keywords /docs/a.html",
        "Loading generator /docs/a.html", "Loading expires /docs/a.html"};
    EXPECT_EQ(h.status.history[StatusPort::MessagePanel], expected);
}

}  // namespace
}  // namespace zendal::test
