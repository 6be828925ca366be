#include "update/UpdateCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/EFileCreate.h"
#include "base/EFileOpen.h"
#include "base/Wizard.h"
#include "support/MemoryHost.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"
#include "support/TestSupport.h"
#include "update/TagGeneration.h"

namespace zendal {
namespace {

using Texts = std::vector<std::string>;

const std::string kPage = "<html><head><title>t</title></head>\r\n<body>b</body></html>\r\n";

struct Update : ::testing::Test {
    test::TempDir home;
    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    test::MemoryHost host;
    Wizard wizard{messages, status};
    TagGeneration tags{wizard};
    UpdateCommand update{wizard, tags};
    std::string document;

    Update() {
        wizard.programFolder = home.Path().string() + "/";
        wizard.host = &host;
        document = home.Write("site/index.htm", kPage).string();
        Open(document);
    }

    void Open(const std::string& name) {
        host.fileName = name;
        host.text = kPage;
        wizard.activeDocument = name;
        wizard.fileList = {name};
    }
};

TEST_F(Update, WritesTheTagsAndCountsTheDocuments) {
    wizard.fields.CheckBox2 = false;
    update.Button34Click();
    EXPECT_EQ(messages.Texts(), Texts{"Successfully Wrote Tags To 1 Files"});
    EXPECT_NE(host.text.find("</title>\r\n</head>"), std::string::npos) << host.text;
    EXPECT_EQ(status.panels[StatusPort::StatePanel], "Ready");
    EXPECT_EQ(status.panels[StatusPort::FileCounterPanel], "F=OK");
    EXPECT_EQ(status.panels[StatusPort::MessagePanel], "Completed HTML Update");
    EXPECT_EQ(status.history[StatusPort::FileCounterPanel], (Texts{"1/1", "F=OK"}));
    EXPECT_FALSE(status.busyCursor);
    EXPECT_FALSE(update.FailureShown());
}

TEST_F(Update, BacksUpIntoTheBackupFolderWhichIsCreatedWhenMissing) {
    for (std::size_t size : {0u, 8191u, 8192u, 8193u, 20000u}) {
        SCOPED_TRACE(size);
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>(i * 7 + 3);
        }
        std::filesystem::remove_all(home.Path() / "backup");
        Open(home.Write("site/page.htm", bytes).string());
        update.Button34Click();
        EXPECT_EQ(test::ReadFile(home.Path() / "backup" / "page.htm"), bytes);
    }
}

TEST_F(Update, DocumentNotOnDiskIsStillUpdatedFromTheHost) {
    Open((home.Path() / "never-saved.htm").string());
    update.Button34Click();
    EXPECT_EQ(messages.Texts(),
              (Texts{"Selected File does not exist to restore from: Cannot Complete Backup!",
                     "Successfully Wrote Tags To 1 Files"}));
    EXPECT_TRUE(update.FailureShown());
    EXPECT_EQ(update.WrittenCount(), 1);
}

TEST_F(Update, RemovingBlanksRefusesAMultipleSelection) {
    wizard.fields.CheckBox4 = true;
    wizard.activeDocument = "MULT";
    tags.blankTagList = {"stale"};
    update.Button34Click();
    EXPECT_EQ(messages.Texts(),
              Texts{"Zendal cannot remove meta tags when multiple files are selected. Please "
                    "select only one file or uncheck the Remove Blanks checkbox"});
    EXPECT_TRUE(tags.blankTagList.empty());
    EXPECT_EQ(host.text, kPage);
    EXPECT_FALSE(std::filesystem::exists(home.Path() / "backup" / "index.htm"));
}

TEST_F(Update, EmptyFileListAndEmptyNames) {
    wizard.fileList.clear();
    update.Button34Click();
    wizard.fileList = {""};
    update.Button34Click();
    EXPECT_EQ(messages.Texts(),
              (Texts{"Successfully Wrote Tags To 0 Files",
                     "Selected File does not exist to restore from: Cannot Complete Backup!",
                     "No File To Load", "Successfully Wrote Tags To 0 Files"}));
}

TEST_F(Update, DocumentWithoutBodyEndsTheCommandWithItsError) {
    host.text = "<html><head></head>";
    wizard.fields.CheckBox2 = false;
    update.Button34Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].box, MessagePort::Box::Error);
    EXPECT_EQ(messages.shown[0].text, "The File '" + document +
                                          "' is not a valid HTML 3.2 File\r(Missing '<BODY> or "
                                          "<FRAMESET>' Tag)");
    EXPECT_FALSE(status.busyCursor);
}

TEST_F(Update, CannotOpenMessageNamesTheFile) {
    EXPECT_EQ(update.CannotOpenMessage("/a"),
              "File : /a Could Not be Opened\rCheck to Make Sure File Exists and update list "
              "accordingly.");
    wizard.activeDocument = "mult";
    EXPECT_TRUE(update.CannotOpenMessage("/a").ends_with(
        "accordingly.\rProcess Will Continue With Next File."));
}

TEST_F(Update, CopyFileToFailures) {
    EXPECT_THROW(
        UpdateCommand::CopyFileTo((home.Path() / "none").string(), (home.Path() / "copy").string()),
        EFileOpen);
    EXPECT_THROW(UpdateCommand::CopyFileTo(document, (home.Path() / "no/such/copy").string()),
                 EFileCreate);
    UpdateCommand::CopyFileTo(document, (home.Path() / "copy").string());
    EXPECT_EQ(test::ReadFile(home.Path() / "copy"), kPage);
}

}  // namespace
}  // namespace zendal
