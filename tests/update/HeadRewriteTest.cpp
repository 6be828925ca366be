#include "update/HeadRewrite.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/ENoFile.h"
#include "base/Wizard.h"
#include "head/EInvalidHTMLFile.h"
#include "support/MemoryHost.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"
#include "update/TagGeneration.h"

namespace zendal {
namespace {

const std::string kBody = "<body>\r\nHi there\r\n</body>\r\n</html>";

std::string Page(const std::string& head) {
    return "<html>\r\n<head>\r\n" + head + "</head>\r\n" + kBody;
}

struct Rewrite : ::testing::Test {
    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    test::MemoryHost host;
    Wizard wizard{messages, status};
    TagGeneration tags{wizard};
    HeadRewrite rewrite{wizard, tags};

    Rewrite() {
        wizard.host = &host;
        host.fileName = "/never/saved.html";
        wizard.activeDocument = host.fileName;
        WizardFields& f = wizard.fields;
        f.ComboBox1.clear();
        f.ComboBox3.clear();
        f.ComboBox5.clear();
        f.Edit2.clear();
    }

    // The host's text after generating and writing the tags into the page.
    std::string Update(const std::string& page) {
        host.text = page;
        tags.TabSheet5Enter();
        EXPECT_TRUE(rewrite.WriteTags(host.fileName));
        return host.text;
    }
};

const std::string kResourceType = "<meta name=\"resource-type\" content=\"document\">\r\n";

TEST_F(Rewrite, WritesTitleAndMetaLinesIntoTheHead) {
    const struct {
        const char* what;
        std::function<void(Wizard&)> set;
        std::string head;
        std::string newHead;
    } cases[] = {
        {"replaced in place", [](Wizard& w) { w.fields.edit22 = "new"; },
         "<title>T</title>\r\n<meta name=\"keywords\" content=\"old\">\r\n",
         "<title>T</title>\r\n<meta name=\"keywords\" content=\"new\">\r\n" + kResourceType},
        {"no blank before content: added before the head end",
         [](Wizard& w) { w.fields.edit22 = "new"; },
         "<title>T</title>\r\n<meta name=\"keywords\"content=\"old\">\r\n",
         "<title>T</title>\r\n<meta name=\"keywords\"content=\"old\">\r\n" + kResourceType +
             "<meta name=\"keywords\" content=\"new\">\r\n"},
        {"custom row replaces the author field's line",
         [](Wizard& w) {
             w.fields.Edit7 = "Field";
             w.fields.grid1[0] = {"author", "Row"};
         },
         "<title>T</title>\r\n",
         "<title>T</title>\r\n" + kResourceType + "<meta name=\"author\" content=\"Row\">\r\n"},
        {"title content replaced", [](Wizard& w) { w.fields.Titlebox = "New"; },
         "<TITLE>Old</TITLE>\r\n", "<TITLE>New</TITLE>\r\n" + kResourceType},
        {"empty title keeps the title", [](Wizard&) {}, "<title>Old</title>\r\n",
         "<title>Old</title>\r\n" + kResourceType},
        {"no title element: placeholder", [](Wizard&) {}, "",
         "<title>Title Missing - Zendal</title>\r\n" + kResourceType},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        wizard.fields.grid1 = std::vector<CustomRow>(4);
        wizard.fields.edit22.clear();
        wizard.fields.Edit7.clear();
        wizard.fields.Titlebox.clear();
        c.set(wizard);
        EXPECT_EQ(Update(Page(c.head)), Page(c.newHead) + "\r\n");
    }
}

TEST_F(Rewrite, BlankTagsGoWhenAsked) {
    wizard.fields.CheckBox4 = true;
    tags.BuildBlankTagList();
    EXPECT_EQ(Update(Page("<title>T</title>\r\n<meta name=\"author\" content=\"a\">\r\n")),
              Page("<title>T</title>\r\n" + kResourceType) + "\r\n");
}

TEST_F(Rewrite, TheBodyIsTheHostsOwnTextAndUpdatingTwiceChangesNothing) {
    // The host's text holds unsaved edits and names no file on disk.
    const std::string page = "<HTML><HEAD><title>x</title></HEAD>\r\n<BODY>edited, unsaved";
    const std::string once = Update(page);
    EXPECT_TRUE(once.ends_with("</HEAD>\r\n<BODY>edited, unsaved\r\n")) << once;
    EXPECT_EQ(Update(once), once);
    EXPECT_EQ(
        (std::vector<std::string>{"Text", "beginupdate", "SelectAll", "InsertText", "endupdate",
                                  "Text", "beginupdate", "SelectAll", "InsertText", "endupdate"}),
        host.calls);
    EXPECT_FALSE(status.busyCursor);
}

TEST_F(Rewrite, FailuresOfTheHostAndOfTheDocument) {
    host.text = Page("");
    EXPECT_THROW(rewrite.WriteTags(""), ENoFile);

    host.failText = true;
    EXPECT_FALSE(rewrite.WriteTags(host.fileName));
    host.failText = false;
    host.failUpdate = true;
    EXPECT_FALSE(rewrite.WriteTags(host.fileName));
    host.failUpdate = false;
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Could not Load File, Error 101!",
                                                          "Could not update File, Error 102!"}));

    host.text = "<html><head></head>no body";
    EXPECT_THROW(rewrite.WriteTags(host.fileName), EInvalidHTMLFile);
    EXPECT_EQ(host.text, "<html><head></head>no body");
}

TEST_F(Rewrite, ReplaceHeadSectionKeepsTheRestOfTheDocument) {
    wizard.htmlrichedit.SetText("<head>\r\n<title>n</title>\r\n</head>\r\n");
    rewrite.ReplaceHeadSection("f", "<HEAD><title>o</title></HEAD>\r\n<body>b");
    EXPECT_EQ(wizard.htmlrichedit.WholeText(),
              "<head>\r\n<title>n</title>\r\n</head>\r\n<body>b\r\n");
    try {
        rewrite.ReplaceHeadSection("f", "<body>b");
        FAIL();
    } catch (const EInvalidHTMLFile& e) {
        EXPECT_EQ(e.Message(),
                  "The File 'f' is not a valid HTML 3.2 File\r(Missing '</HEAD>' Tag)");
    }
}

}  // namespace
}  // namespace zendal
