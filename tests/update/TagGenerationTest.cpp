#include "update/TagGeneration.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/ClipboardPort.h"
#include "base/Wizard.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

namespace zendal {
namespace {

using Lines = std::vector<std::string>;

const std::string kResourceType = "<meta name=\"resource-type\" content=\"document\">";

struct Generation : ::testing::Test {
    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    Wizard wizard{messages, status};
    TagGeneration tags{wizard};

    // Every field blank, as an empty page would be.
    void ClearFields() {
        WizardFields& f = wizard.fields;
        f = WizardFields();
        f.ComboBox1.clear();
        f.ComboBox3.clear();
        f.ComboBox5.clear();
        f.Edit2.clear();
    }
};

struct GenerationCase {
    const char* what;
    std::function<void(Wizard&)> set;
    Lines tagLines;  // after the resource-type line, which is always the first meta line
};

TEST_F(Generation, EachFieldAddsItsLineInTableOrder) {
    const GenerationCase cases[] = {
        {"nothing", [](Wizard&) {}, {}},
        {"generator",
         [](Wizard& w) { w.fields.Edit4 = "Gen 1"; },
         {"<meta name=\"generator\" content=\"Gen 1\">"}},
        {"pragma",
         [](Wizard& w) { w.fields.CheckBox1 = true; },
         {"<meta http-equiv=\"pragma\" content=\"no-cache\">"}},
        {"reply-to is http-equiv",
         [](Wizard& w) { w.fields.Edit3 = "a@b.c"; },
         {"<meta http-equiv=\"reply-to\" content=\"a@b.c\">"}},
        {"blanks are not blank",
         [](Wizard& w) { w.fields.Edit7 = "  "; },
         {"<meta name=\"author\" content=\"  \">"}},
        {"quotes unescaped",
         [](Wizard& w) { w.fields.edit1 = "a \"big\" deal"; },
         {"<meta name=\"description\" content=\"a \"big\" deal\">"}},
        {"all in order",
         [](Wizard& w) {
             WizardFields& f = w.fields;
             f.ComboBox5 = "15";
             f.Edit3 = "14";
             f.Edit7 = "13";
             f.Edit6 = "12";
             f.ComboBox2 = "11";
             f.ComboBox3 = "10";
             f.ComboBox1 = "9";
             f.edit22 = "8";
             f.edit1 = "7";
             f.ComboBox4 = "6";
             f.Edit2 = "5";
             f.CheckBox1 = true;
             f.Edit4 = "3";
             f.grid1 = {{" Author ", " Me "}, {"x", ""}, {"", "y"}, {"Sub", "s"}};
         },
         {"<meta name=\"generator\" content=\"3\">",
          "<meta http-equiv=\"pragma\" content=\"no-cache\">",
          "<meta name=\"revisit-after\" content=\"5\">",
          "<meta name=\"classification\" content=\"6\">",
          "<meta name=\"description\" content=\"7\">", "<meta name=\"keywords\" content=\"8\">",
          "<meta name=\"robots\" content=\"9\">", "<meta name=\"distribution\" content=\"10\">",
          "<meta name=\"rating\" content=\"11\">", "<meta name=\"copyright\" content=\"12\">",
          "<meta name=\"author\" content=\"13\">", "<meta http-equiv=\"reply-to\" content=\"14\">",
          "<meta name=\"language\" content=\"15\">", "<meta name=\"author\" content=\"Me\">",
          "<meta name=\"sub\" content=\"s\">"}},
    };
    for (const GenerationCase& c : cases) {
        SCOPED_TRACE(c.what);
        ClearFields();
        c.set(wizard);
        tags.TabSheet5Enter();
        Lines expected = {kResourceType};
        expected.insert(expected.end(), c.tagLines.begin(), c.tagLines.end());
        EXPECT_EQ(tags.tagLines, expected);
        EXPECT_EQ(tags.generatedMetaList, expected);
    }
}

TEST_F(Generation, TitleLineGoesToTheViewOnlyAndNotForMultipleSelection) {
    const struct {
        const char* title;
        const char* active;
        bool titleLine;
    } cases[] = {
        {"Home", "/x.html", true}, {"  ", "/x.html", true}, {"", "/x.html", false},
        {"Home", "MULT", false},   {"Home", "mult", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.title) + "|" + c.active);
        ClearFields();
        wizard.fields.Titlebox = c.title;
        wizard.activeDocument = c.active;
        tags.TabSheet5Enter();
        EXPECT_EQ(tags.generatedMetaList, Lines{kResourceType});
        Lines expected = {kResourceType};
        if (c.titleLine) {
            expected.insert(expected.begin(), "<title>" + std::string(c.title) + "</title>");
        }
        EXPECT_EQ(tags.tagLines, expected);
    }
}

TEST_F(Generation, ReportsInTheStatusBarAndClearsTheReport) {
    bool cleared = false;
    tags.clearReport = [&] { cleared = true; };
    tags.TabSheet5Enter();
    EXPECT_TRUE(cleared);
    EXPECT_EQ(status.history[StatusPort::MessagePanel],
              (Lines{"Update your Document", "Tags have been generated"}));
    EXPECT_EQ(status.history[StatusPort::StatePanel], (Lines{"Working...", "Ready"}));
}

struct RecordingClipboard : ClipboardPort {
    void SetText(const std::string& t) override { text = t; }
    std::string text;
};

TEST_F(Generation, ClipboardTakesTheViewWithTheTitleLine) {
    RecordingClipboard clipboard;
    wizard.clipboard = &clipboard;
    ClearFields();
    wizard.fields.Titlebox = "T";
    tags.TabSheet5Enter();
    tags.Button32Click(tags.TagLinesText());
    EXPECT_EQ(clipboard.text, "<title>T</title>\n" + kResourceType);
}

TEST_F(Generation, BlankTagListNamesEveryBlankValueInItsOrder) {
    ClearFields();
    wizard.fields.grid1 = {{" Author ", "  "}, {"", "v"}, {"set", "v"}};
    EXPECT_EQ(tags.BuildBlankTagList(), 15);
    EXPECT_EQ(
        tags.blankTagList,
        (Lines{"<meta http-equiv=\"title\"", "<meta name=\"keywords\"", "<meta name=\"generator\"",
               "<meta http-equiv=\"pragma\"", "<meta name=\"revisit-after\"",
               "<meta name=\"classification\"", "<meta name=\"description\"",
               "<meta name=\"robots\"", "<meta name=\"distribution\"", "<meta name=\"rating\"",
               "<meta name=\"copyright\"", "<meta name=\"author\"", "<meta http-equiv=\"reply-to\"",
               "<meta name=\"language\"", "<meta name=\"author\""}));

    wizard.fields = WizardFields();
    wizard.fields.Titlebox = "t";
    wizard.fields.CheckBox1 = true;
    EXPECT_EQ(tags.BuildBlankTagList(), 8);
    EXPECT_EQ(tags.blankTagList.front(), "<meta name=\"keywords\"");
}

TEST_F(Generation, RemoveBlankTagsDeletesTheFirstMatchOfEachPrefix) {
    const struct {
        const char* what;
        Lines prefixes;
        std::string head;
        std::string after;
    } cases[] = {
        {"first of two",
         {"<meta name=\"author\""},
         "<head>\r\n<meta name=\"author\" content=\"a\">\r\n<meta name=\"author\" "
         "content=\"b\">\r\n</head>\r\n",
         "<head>\r\n\r\n<meta name=\"author\" content=\"b\">\r\n</head>\r\n"},
        {"case ignored",
         {"<meta name=\"keywords\""},
         "<head>\r\n<META NAME=\"KEYWORDS\" CONTENT=\"x\">\r\n</head>\r\n",
         "<head>\r\n\r\n</head>\r\n"},
        {"other attribute order stays",
         {"<meta name=\"keywords\""},
         "<head>\r\n<meta content=\"x\" name=\"keywords\">\r\n</head>\r\n",
         "<head>\r\n<meta content=\"x\" name=\"keywords\">\r\n</head>\r\n"},
        {"cut at > in the value",
         {"<meta name=\"author\""},
         "<head>\r\n<meta name=\"author\" content=\"a>b\">\r\n</head>\r\n",
         "<head>\r\nb\">\r\n</head>\r\n"},
        {"no closing >",
         {"<meta name=\"author\""},
         "<head>\r\n<meta name=\"author\" x",
         "<head>\r\n<meta name=\"author\" x\r\n"},
        {"several prefixes",
         {"<meta name=\"a\"", "<meta name=\"none\"", "<meta name=\"b\""},
         "<meta name=\"a\" content=\"1\"><meta name=\"b\" content=\"2\">x\r\n",
         "x\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        wizard.htmlrichedit.SetText(c.head);
        tags.blankTagList = c.prefixes;
        tags.RemoveBlankTags();
        EXPECT_EQ(wizard.htmlrichedit.WholeText(), c.after);
    }
}

}  // namespace
}  // namespace zendal
