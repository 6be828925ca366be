#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "base/IniSettingsStore.h"
#include "base/StartUp.h"
#include "head/FieldsText.h"
#include "head/HeadHarness.h"
#include "head/ReadCommands.h"
#include "support/TestSupport.h"

namespace zendal::test {
namespace {

using TextList = std::vector<std::string>;
using Command = bool (ReadCommands::*)();

struct Member {
    const char* name;
    Command run;
    const char* loadFailure;
};

const Member kMembers[] = {
    {"xread", &ReadCommands::xread, "Could not Load File, Error 101!"},
    {"Button15Click", &ReadCommands::Button15Click, "Could not Load File, Error 101!"},
    {"rhtmloptClick", &ReadCommands::rhtmloptClick, "Could not Load File, Error 103!"},
    {"SpeedButton14Click", &ReadCommands::SpeedButton14Click, "Could not Load File, Error 101!"},
};

struct Harness : HeadHarness {
    ReadCommands commands{wizard};
    bool Run(const Member& m) { return (commands.*m.run)(); }
    void Expect(MessagePort::Box box, MessagePort::Outcome outcome, const std::string& text) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].box, box);
        EXPECT_EQ(messages.shown[0].outcome, outcome);
        EXPECT_EQ(messages.shown[0].text, text);
    }
    void ExpectReadyAgain() {
        EXPECT_EQ(status.history[StatusPort::StatePanel], (TextList{"Working", "Ready"}));
        EXPECT_FALSE(status.busyCursor);
    }
};

TEST(ReadCommands, EveryMemberRefusesNoFileAndTheMultipleSelection) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "No File Selected."},
        {"MULT", "Cannot Perform Action on Multiple Files."},
        {"mult", "Cannot Perform Action on Multiple Files."},
    };
    for (const Member& m : kMembers) {
        for (const auto& [active, message] : cases) {
            SCOPED_TRACE(std::string(m.name) + " " + active);
            Harness h;
            h.Open("full.html");
            h.wizard.activeDocument = active;
            const std::string before = FieldsText(h.wizard.fields);
            EXPECT_FALSE(h.Run(m));
            h.Expect(MessagePort::Box::Error, MessagePort::Outcome::Failure, message);
            EXPECT_EQ(FieldsText(h.wizard.fields), before);
            EXPECT_TRUE(h.status.history[StatusPort::StatePanel].empty());
            EXPECT_TRUE(h.host.calls.empty());
        }
    }
}

TEST(ReadCommands, EveryMemberReportsAHostThatGivesNoText) {
    for (const Member& m : kMembers) {
        SCOPED_TRACE(m.name);
        Harness h;
        h.Open("full.html");
        h.host.failText = true;
        EXPECT_FALSE(h.Run(m));
        h.Expect(MessagePort::Box::Plain, MessagePort::Outcome::Failure, m.loadFailure);
        h.ExpectReadyAgain();
        EXPECT_EQ(h.buffer.LineCount(), 0);
    }
}

TEST(ReadCommands, EveryMemberReportsADocumentWithoutBody) {
    for (const Member& m : kMembers) {
        SCOPED_TRACE(m.name);
        Harness h;
        h.Open("no-body.html");
        EXPECT_FALSE(h.Run(m));
        h.Expect(MessagePort::Box::Plain, MessagePort::Outcome::Failure,
                 "The File '/docs/no-body.html' is not a valid HTML 3.2 File\r(Missing '<BODY> "
                 "or <FRAMESET>' Tag)");
        h.ExpectReadyAgain();
    }
}

// What each member reads from full.html: a field of each group, starting from other values.
struct ReadsCase {
    const char* member;
    Command run;
    std::function<void(WizardFields&)> changes;
    const char* lastText;
};

void SetTitleAndWords(WizardFields& f) {
    f.Titlebox = "Acme Tools";
    f.edit22 = "hammer, saw";
    f.edit1 = "Tools for all";
}

void SetOptions(WizardFields& f) {
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
}

void SetCustom(WizardFields& f) {
    f.grid1[0].value = "tools";
}

const ReadsCase kReadsCases[] = {
    {"xread", &ReadCommands::xread,
     [](WizardFields& f) {
         SetTitleAndWords(f);
         SetOptions(f);
         SetCustom(f);
     },
     "Please select your options"},
    {"Button15Click", &ReadCommands::Button15Click, SetTitleAndWords, "Files Read Successfully"},
    {"rhtmloptClick", &ReadCommands::rhtmloptClick, SetOptions, "Please select your options"},
    {"SpeedButton14Click", &ReadCommands::SpeedButton14Click, SetCustom,
     "Please select your options"},
};

TEST(ReadCommands, EachMemberFillsItsOwnFields) {
    for (const ReadsCase& c : kReadsCases) {
        SCOPED_TRACE(c.member);
        Harness h;
        h.Open("full.html");
        h.wizard.fields.grid1[0] = {"subject", "typed"};
        h.wizard.fields.Titlebox = "old title";
        h.wizard.fields.edit22 = "old words";
        h.wizard.fields.CheckBox1 = true;
        WizardFields expected = h.wizard.fields;
        c.changes(expected);
        EXPECT_TRUE((h.commands.*c.run)());
        EXPECT_EQ(FieldsText(h.wizard.fields), FieldsText(expected));
        EXPECT_TRUE(h.messages.shown.empty());
        h.ExpectReadyAgain();
        EXPECT_EQ(h.status.panels[StatusPort::MessagePanel], c.lastText);
    }
}

TEST(ReadCommands, FullReadReportsItsSteps) {
    Harness h;
    h.Open("full.html");
    h.commands.xread();
    // The normalisation's own texts are left out here; they have their own test.
    TextList texts;
    for (const std::string& text : h.status.history[StatusPort::MessagePanel]) {
        if (!text.starts_with("Completing") && !text.starts_with("Look") &&
            !text.starts_with("Positioning") && !text.starts_with("Correcting")) {
            texts.push_back(text);
        }
    }
    const std::string file = "/docs/full.html";
    const TextList expected = {"Loading Page Description And Keywords from " + file,
                               "Loading file " + file,
                               "Processing CRLF...",
                               "Processing Setup meta lines...",
                               "Building Tag List...",
                               "Loading Description " + file,
                               "Loading Keywords " + file,
                               "Reading Tags...",
                               "Setting Meta Lines...",
                               "Building Tag List Options...",
                               "Loading generator " + file,
                               "Loading expires " + file,
                               "Meta Tags Succesfully Read!",
                               "Setting Meta Lines...",
                               "Building Tag List Options...",
                               "Meta Tags Succesfully Read!",
                               "Please select your options"};
    EXPECT_EQ(texts, expected);
}

TEST(ReadCommands, AFailedPageOneReadKeepsFieldsAndLastText) {
    Harness h;
    h.Open("empty-title.html");
    h.wizard.fields.edit22 = "kept words";
    h.wizard.fields.edit1 = "kept description";
    EXPECT_FALSE(h.commands.Button15Click());
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_TRUE(h.messages.shown[0].text.starts_with("Title Tag used improperly"));
    EXPECT_EQ(h.wizard.fields.edit22, "kept words");
    EXPECT_EQ(h.wizard.fields.edit1, "kept description");
    EXPECT_EQ(h.status.panels[StatusPort::MessagePanel], "Processing Setup meta lines...");
    h.ExpectReadyAgain();
}

TEST(ReadCommands, AGeneralFailurePassesOnAfterTheStatusIsReset) {
    Harness h;
    h.Open("equals-after-meta.html");
    EXPECT_THROW(h.commands.xread(), ZendalError);
    EXPECT_TRUE(h.messages.shown.empty());
    h.ExpectReadyAgain();
    EXPECT_EQ(h.status.panels[StatusPort::MessagePanel], "Please select your options");
}

TEST(ReadCommands, RefreshAnsweredNoChangesNothing) {
    Harness h;
    h.Open("full.html");
    h.messages.answers = {false};
    h.commands.SpeedButton2Click();
    EXPECT_EQ(h.messages.questions,
              (TextList{"Refresh Clears All Current Values in the Wizard!   Continue?"}));
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_TRUE(h.host.calls.empty());
}

TEST(ReadCommands, RefreshTakesTheNewActiveDocumentAndReadsIt) {
    TempDir home;
    home.Write("settings.ini", "[Software\\VELQ\\rodoru]\nbackup=0\n");
    IniSettingsStore settings(home.Path().string() + "/");
    Harness h;
    h.wizard.settings = &settings;
    h.Open("full.html");
    h.wizard.activeDocument = "/docs/other.html";
    h.wizard.fileList = {"/docs/other.html"};
    h.commands.SpeedButton2Click();
    EXPECT_EQ(h.wizard.activeDocument, "/docs/full.html");
    EXPECT_EQ(h.wizard.fileList, TextList{"/docs/full.html"});
    EXPECT_EQ(StartUp::Caption(h.wizard), "Zendal - /docs/full.html");
    EXPECT_FALSE(h.wizard.fields.CheckBox2);  // the settings were read
    EXPECT_EQ(h.wizard.fields.Titlebox, "Acme Tools");
    h.Expect(MessagePort::Box::Plain, MessagePort::Outcome::Info, "File Refreshed Successfully!");
}

TEST(ReadCommands, RefreshReportsSuccessOnlyAfterASuccessfulRead) {
    Harness h;
    h.Open("no-body.html");
    h.commands.SpeedButton2Click();
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_TRUE(h.messages.shown[0].text.ends_with("(Missing '<BODY> or <FRAMESET>' Tag)"));
}

TEST(ReadCommands, RefreshWithoutTheHostsFileNameKeepsTheActiveDocument) {
    Harness h;
    h.Open("full.html");
    h.wizard.activeDocument = "/docs/other.html";
    h.host.failFileName = true;
    h.commands.SpeedButton2Click();
    h.Expect(MessagePort::Box::Plain, MessagePort::Outcome::Failure, "Could not start HomeSite .");
    EXPECT_EQ(h.wizard.activeDocument, "/docs/other.html");
    EXPECT_EQ(std::count(h.host.calls.begin(), h.host.calls.end(), "Text"), 0);
}

}  // namespace
}  // namespace zendal::test
