#include "base/SettingsDefaults.h"

#include <gtest/gtest.h>

#include "base/ESettingsFailure.h"
#include "base/IniSettingsStore.h"
#include "base/Wizard.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"
#include "support/TestSupport.h"

using zendal::IniSettingsStore;
using zendal::SettingsDefaults;
using zendal::Wizard;
using zendal::test::ReadFile;
using zendal::test::TempDir;

namespace {

// A wizard over a settings.ini of the given text.
class Settings : public testing::Test {
  protected:
    void Open(const std::string& ini) {
        dir_.Write("settings.ini", ini);
        store_ = std::make_unique<IniSettingsStore>(dir_.Path().string() + "/");
        wizard_.settings = store_.get();
    }
    std::string File() const { return ReadFile(dir_.Path() / "settings.ini"); }
    // A schema loader that notes the selector's text at each load.
    SettingsDefaults::SchemaLoader RecordLoad() {
        return [this](Wizard& wizard) { loaded_.push_back(wizard.schemaName); };
    }

    TempDir dir_;
    zendal::test::ScriptedMessagePort messages_;
    zendal::test::RecordingStatusPort status_;
    Wizard wizard_{messages_, status_};
    std::unique_ptr<IniSettingsStore> store_;
    std::vector<std::string> loaded_;
};

const std::string kHeader = "[Software\\VELQ\\rodoru]\n";

TEST_F(Settings, MissingKeyIsCreatedAndNothingIsWrittenIntoIt) {
    Open("[Software\\VELQ\\Zendal]\nkwgcount=25\n");
    wizard_.ruleBase.bodychk = "77";
    SettingsDefaults::GetDefaults(wizard_, RecordLoad());
    EXPECT_TRUE(wizard_.fields.CheckBox2);
    EXPECT_FALSE(wizard_.fields.CheckBox4);
    EXPECT_EQ(wizard_.ruleBase.bodychk, "77");
    EXPECT_EQ(wizard_.schemaName, "");
    const std::string created = File();
    EXPECT_NE(created.find(kHeader), std::string::npos);

    wizard_.fields.CheckBox4 = true;
    SettingsDefaults::SetDefaults(wizard_);
    EXPECT_EQ(File(), created);
}

struct ReadCase {
    std::string values;  // lines of the key
    bool backup, removeBlanks;
    std::string keywordsR, bodychk, keywords, description, schema;
};

class ReadingSettings : public Settings, public testing::WithParamInterface<ReadCase> {};

TEST_P(ReadingSettings, AppliesEachValuePresent) {
    const ReadCase& c = GetParam();
    Open(kHeader + c.values);
    wizard_.ruleBase = {"r", "b", "k", "d"};
    SettingsDefaults::GetDefaults(wizard_, RecordLoad());
    EXPECT_EQ(wizard_.fields.CheckBox2, c.backup);
    EXPECT_EQ(wizard_.fields.CheckBox4, c.removeBlanks);
    EXPECT_EQ(wizard_.ruleBase.keywordsR, c.keywordsR);
    EXPECT_EQ(wizard_.ruleBase.bodychk, c.bodychk);
    EXPECT_EQ(wizard_.ruleBase.keywords, c.keywords);
    EXPECT_EQ(wizard_.ruleBase.description, c.description);
    EXPECT_EQ(wizard_.schemaName, c.schema);
    // The stored schema is loaded once it is the selector's text.
    EXPECT_EQ(loaded_,
              c.schema.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.schema});
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadingSettings,
    testing::Values(
        // Missing values leave their fields and copies as they were.
        ReadCase{"", true, false, "r", "b", "k", "d", ""},
        ReadCase{"backup=1\nremoveblanks=1\n", true, true, "r", "b", "k", "d", ""},
        // Only "1" checks a box.
        ReadCase{"backup=0\nremoveblanks=yes\n", false, false, "r", "b", "k", "d", ""},
        ReadCase{"backup=\nremoveblanks=11\n", false, false, "r", "b", "k", "d", ""},
        ReadCase{"backup=true\nremoveblanks=\"1\"\n", false, true, "r", "b", "k", "d", ""},
        // keywords-r falls back when empty, the other three when "0".
        ReadCase{"keywords-r=0\nbodychk=0\nkeywords=0\ndescription=0\n", true, false, "0", "1000",
                 "1000", "200", ""},
        ReadCase{"keywords-r=\nbodychk=\nkeywords=\ndescription=\n", true, false, "6", "", "", "",
                 ""},
        ReadCase{"keywords-r=8\nbodychk=500\nkeywords=900\ndescription=150\nschema=dublin\n", true,
                 false, "8", "500", "900", "150", "dublin"}));

TEST_F(Settings, WritesOnlyTheBoxesWhoseValuesExist) {
    Open(kHeader + "removeblanks=0\nschema=x\n");
    wizard_.fields.CheckBox2 = false;
    wizard_.fields.CheckBox4 = true;
    SettingsDefaults::SetDefaults(wizard_);
    EXPECT_EQ(File(), kHeader + "removeblanks=1\nschema=x\n");

    Open(kHeader + "backup=1\nremoveblanks=1\n");
    wizard_.fields.CheckBox4 = false;
    SettingsDefaults::SetDefaults(wizard_);
    EXPECT_EQ(File(), kHeader + "backup=0\nremoveblanks=0\n");
}

TEST_F(Settings, AValueThatIsNotAStringStopsTheReadingThere) {
    Open(kHeader + "backup=0\nremoveblanks=1\nkeywords-r=9\nbodychk=@Variant(1)\nkeywords=5\n");
    try {
        SettingsDefaults::GetDefaults(wizard_, RecordLoad());
        FAIL() << "no failure";
    } catch (const zendal::ESettingsFailure& e) {
        EXPECT_EQ(e.Message(), "Invalid data type for 'bodychk'");
    }
    EXPECT_FALSE(wizard_.fields.CheckBox2);
    EXPECT_TRUE(wizard_.fields.CheckBox4);
    EXPECT_EQ(wizard_.ruleBase.keywordsR, "9");
    EXPECT_EQ(wizard_.ruleBase.keywords, "");  // as it was at start: not read yet
}

TEST_F(Settings, WithoutAStoreNothingHappens) {
    SettingsDefaults::GetDefaults(wizard_, RecordLoad());
    SettingsDefaults::SetDefaults(wizard_);
    EXPECT_TRUE(wizard_.fields.CheckBox2);
}

}  // namespace
