#include "analysis/RuleBaseCommand.h"

#include <gtest/gtest.h>

#include "analysis/RuleBase.h"
#include "base/ESettingsFailure.h"
#include "base/SettingsDefaults.h"
#include "base/Wizard.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

namespace zendal {
namespace {

// A store whose value "backup" is not a string.
class BrokenBackupStore : public test::MemorySettingsStore {
  public:
    std::string ReadString(const std::string& key, const std::string& name) const override {
        if (name == "backup") {
            throw ESettingsFailure("Invalid data type for 'backup'");
        }
        return MemorySettingsStore::ReadString(key, name);
    }
};

class RuleBaseCommandTest : public ::testing::Test {
  protected:
    RuleBaseCommandTest() : wizard(messages, status) {
        for (const char* name : {"keywords-r", "bodychk", "keywords", "description"}) {
            store.values[{RuleBase::kKey, name}] = "0";
        }
        wizard.settings = &store;
    }

    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    BrokenBackupStore store;
    Wizard wizard;
};

TEST_F(RuleBaseCommandTest, ClosingTheWindowReadsTheSettingsAgain) {
    RuleBaseCommand::SpeedButton12Click(wizard, [&] {
        RuleBaseBoxes boxes = RuleBase::getdefaults(store);
        EXPECT_EQ(boxes, (RuleBaseBoxes{"6", "1000", "1000", "200"}));
        boxes.Edit1 = "12";
        boxes.Edit2.clear();
        RuleBase::setdefaults(store, boxes, messages);
    });
    // The analysis now uses the stored 12; a "0" stands for the default except for keywords-r.
    EXPECT_EQ(wizard.ruleBase.keywordsR, "12");
    EXPECT_EQ(wizard.ruleBase.bodychk, "1000");
    EXPECT_EQ(store.values.at({RuleBase::kKey, "bodychk"}), "0");
    EXPECT_EQ(wizard.ruleBase.keywords, "1000");
    EXPECT_EQ(wizard.ruleBase.description, "200");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Default Values Updated!"});

    RuleBaseCommand::SpeedButton12Click(wizard, [] {});
    EXPECT_EQ(wizard.ruleBase.keywordsR, "12");
}

TEST_F(RuleBaseCommandTest, ClosingWithoutUpdateUsesZeroRepetitionLimit) {
    RuleBaseCommand::SpeedButton12Click(wizard, [] {});
    EXPECT_EQ(wizard.ruleBase.keywordsR, "0");
    store.values[{RuleBase::kKey, "keywords-r"}] = "";
    RuleBaseCommand::SpeedButton12Click(wizard, [] {});
    EXPECT_EQ(wizard.ruleBase.keywordsR, "6");
}

TEST_F(RuleBaseCommandTest, SettingsFailureIsShown) {
    store.values[{SettingsDefaults::kKey, "backup"}] = "1";
    RuleBaseCommand::SpeedButton12Click(wizard, [] {});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].box, MessagePort::Box::Error);
    EXPECT_EQ(messages.shown[0].text, "Invalid data type for 'backup'");
}

}  // namespace
}  // namespace zendal
