#include "keywords/KeyWordCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Wizard.h"
#include "keywords/KeyWordGenerator.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"
#include "support/TestSupport.h"

namespace zendal {
namespace {

TEST(KeyWordCommand, MergePutsNewWordsFirstInTheOrderChosen) {
    struct MergeCase {
        std::string keyWords;
        std::vector<std::string> chosen;
        std::string merged;
    };
    const std::vector<MergeCase> cases = {
        {"bakery, sourdough", {"spelt", "loaf", "whole"}, "spelt, loaf, whole, bakery, sourdough"},
        {"alpha, beta", {"beta", "gamma", "delta"}, "gamma, delta, alpha, beta"},
        {"", {"a", "b"}, "a, b"},
        {" ", {"a"}, "a"},
        {"\r\n", {"a"}, "a"},
        // The user's text stays as it is; its own leading separator serves as the join's.
        {"bakery,sourdough", {"rye"}, "rye, bakery,sourdough"},
        {" x", {"a"}, "a, x"},
        {", x", {"a"}, "a, x"},
        {"x,", {"a"}, "a, x,"},
        {"\r\nbread", {"a"}, "a,\r\nbread"},
        {"\x01x", {"a"}, "a,\x01x"},
        {"Alpha,beta", {"ALPHA"}, "Alpha,beta"},
        {"bread.", {"Bread"}, "bread."},
        {"\"web design\", seo", {"Web Design", "tools"}, "tools, \"web design\", seo"},
        {"keep", {}, "keep"},
    };
    for (const MergeCase& c : cases) {
        EXPECT_EQ(KeyWordCommand::Merge(c.keyWords, c.chosen), c.merged) << c.keyWords;
    }
}

TEST(KeyWordCommand, BodyCheckLimitOfTheRuleBaseCount) {
    EXPECT_EQ(KeyWordCommand::BodyCheckLimit("1000"), 1000);
    EXPECT_EQ(KeyWordCommand::BodyCheckLimit("0"), 5000);
    EXPECT_EQ(KeyWordCommand::BodyCheckLimit("-3"), 5000);
    EXPECT_THROW(KeyWordCommand::BodyCheckLimit("many"), ZendalError);
}

class KeyWordCommandRun : public ::testing::Test {
  protected:
    KeyWordCommandRun() : wizard(messages, status) {
        wizard.programFolder = dir.Path().string() + "/";
        wizard.settings = &settings;
        wizard.ruleBase.bodychk = "1000";
        std::string page = dir.Write("page.html", "<body>cats dogs cats birds</body>").string();
        wizard.activeDocument = page;
        wizard.fileList = {page};
        wizard.fields.edit22 = "pets";
    }

    test::TempDir dir;
    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    test::MemorySettingsStore settings;
    Wizard wizard;
};

TEST_F(KeyWordCommandRun, ChosenWordsAreMergedWhenTheWindowCloses) {
    int shown = 0;
    KeyWordCommand::SpeedButton9Click(wizard, [&](KeyWordGenerator& generator) {
        ++shown;
        ASSERT_EQ(generator.Rows().size(), 3u);
        EXPECT_EQ(generator.Rows()[0].word, "cats");
        generator.SetChecked(0, true);
        generator.SetChecked(1, true);  // dogs before birds
        generator.SpeedButton1Click();
    });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(wizard.fields.edit22, "cats, dogs, pets");
}

TEST_F(KeyWordCommandRun, TheLanguageFieldPicksTheNoiseWords) {
    wizard.fileList = {dir.Write("de.html", "<body>der Hund und die Katze</body>").string()};
    wizard.fields.ComboBox5 = "de-ch";
    KeyWordCommand::SpeedButton9Click(wizard, [&](KeyWordGenerator& generator) {
        ASSERT_EQ(generator.Rows().size(), 2u);
        EXPECT_EQ(generator.Rows()[0].word, "Katze");
        EXPECT_EQ(generator.Rows()[1].word, "Hund");
    });
}

TEST_F(KeyWordCommandRun, ACancelledRunShowsNoWindow) {
    class Cancelling : public RunProgress {
      public:
        bool Advance(std::size_t, std::size_t) override { return false; }
        void Finish() override { ++finished; }
        int finished = 0;
    } progress;
    bool shown = false;
    KeyWordCommand::SpeedButton9Click(
        wizard, [&](KeyWordGenerator&) { shown = true; }, &progress);
    EXPECT_FALSE(shown);
    EXPECT_EQ(progress.finished, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(wizard.fields.edit22, "pets");
}

TEST_F(KeyWordCommandRun, FailuresBeforeTheWindowIsShown) {
    struct Case {
        const char* name;
        std::string activeDocument;
        std::string bodychk;
        std::string storedTopCount;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"multiple selection", "mult", "1000", "25", "Cannot Perform Action on Multiple Files."},
        {"body check count", wizard.activeDocument, "lots", "25",
         "'lots' is not a valid integer value"},
        {"stored top count", wizard.activeDocument, "1000", "x5",
         "'x5' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        wizard.activeDocument = c.activeDocument;
        wizard.ruleBase.bodychk = c.bodychk;
        settings.values[{KeyWordGenerator::kSettingsKey, KeyWordGenerator::kTopCountValue}] =
            c.storedTopCount;
        bool shown = false;
        KeyWordCommand::SpeedButton9Click(wizard, [&](KeyWordGenerator&) { shown = true; });
        EXPECT_FALSE(shown) << c.name;
        ASSERT_EQ(messages.shown.size(), 1u) << c.name;
        EXPECT_EQ(messages.shown[0].box, MessagePort::Box::Error) << c.name;
        EXPECT_EQ(messages.shown[0].text, c.message) << c.name;
        EXPECT_EQ(wizard.fields.edit22, "pets");
    }
}

TEST_F(KeyWordCommandRun, ZeroBodyCheckCountScansFiveThousandCharacters) {
    wizard.ruleBase.bodychk = "0";
    std::string body(6000, 'x');
    wizard.fileList = {dir.Write("long.html", "<body>" + body + " tail</body>").string()};
    KeyWordCommand::SpeedButton9Click(wizard, [&](KeyWordGenerator& generator) {
        ASSERT_EQ(generator.Rows().size(), 1u);
        EXPECT_EQ(generator.Rows()[0].word, std::string(4994, 'x'));
    });
}

}  // namespace
}  // namespace zendal
