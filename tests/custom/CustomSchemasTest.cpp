#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/IniSettingsStore.h"
#include "base/SettingsDefaults.h"
#include "base/Wizard.h"
#include "custom/CustomGrid.h"
#include "custom/CustomSchemas.h"
#include "custom/ESchemaFile.h"
#include "custom/ESchemaName.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"
#include "support/TestSupport.h"

using namespace zendal;
namespace fs = std::filesystem;

namespace {

// A wizard over a fresh program folder with an empty schemas folder.
class CustomSchemasTest : public ::testing::Test {
  protected:
    CustomSchemasTest() {
        wizard.programFolder = home.Path().string() + "/";
        fs::create_directory(home.Path() / "schemas");
    }

    fs::path SchemaPath(const std::string& name) const {
        return home.Path() / "schemas" / (name + ".zds");
    }
    void SetRows(const std::vector<CustomRow>& rows) { wizard.fields.grid1 = rows; }
    std::vector<std::string> SortedList() const {
        std::vector<std::string> list = wizard.schemaList;
        std::sort(list.begin(), list.end());
        return list;
    }

    test::TempDir home;
    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    Wizard wizard{messages, status};
    CustomGrid grid{wizard.fields};
};

}  // namespace

TEST_F(CustomSchemasTest, SaveRemovesBlankRowsButNeverTheLastOne) {
    struct Case {
        std::vector<CustomRow> rows;
        std::vector<CustomRow> kept;
    };
    const std::vector<Case> cases = {
        {{{}, {}, {}, {"subject", "x"}}, {{"subject", "x"}}},
        {{{}, {}, {}, {}}, {{}}},
        {{{"a", ""}, {" \t", "\r\n "}, {"", "v"}, {}}, {{"a", ""}, {"", "v"}, {}}},
        {{{}, {"a", "1"}, {}, {}, {"b", "2"}, {}}, {{"a", "1"}, {"b", "2"}, {}}},
    };
    for (const Case& c : cases) {
        SetRows(c.rows);
        wizard.schemaName = "s";
        CustomSchemas::button38Click(wizard);
        EXPECT_EQ(wizard.fields.grid1, c.kept);
        EXPECT_TRUE(test::ReadFile(SchemaPath("s"))
                        .starts_with("2," + std::to_string(c.kept.size() + 1) + "\r\n"));
    }
    SetRows({{}, {}, {}, {}});
    CustomSchemas::button38Click(wizard);
    EXPECT_EQ(test::ReadFile(SchemaPath("s")), "2,2\r\ncw 0,64\r\ncw 1,64\r\n");
}

TEST_F(CustomSchemasTest, SaveReplacesTheFileRefillsTheListAndSaysSo) {
    fs::create_directory(home.Path() / "schemas" / "folder.zds");
    std::string old(5000, 'x');
    home.Write("schemas/site.zds", old);
    wizard.schemaName = "site";
    SetRows({{"author", "Me"}});
    CustomSchemas::button38Click(wizard);
    EXPECT_EQ(test::ReadFile(SchemaPath("site")),
              "2,2\r\ncw 0,64\r\ncw 1,64\r\n0,1,author\r\n1,1,Me\r\n");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Schema: site Saved successfully"});
    EXPECT_EQ(wizard.schemaName, "site");
    EXPECT_EQ(wizard.schemaList, std::vector<std::string>{"site"});

    wizard.schemaName = "   ";  // blanks make a name
    CustomSchemas::button38Click(wizard);
    EXPECT_TRUE(fs::exists(SchemaPath("   ")));
    EXPECT_EQ(SortedList(), (std::vector<std::string>{"   ", "site"}));
}

TEST_F(CustomSchemasTest, SaveWithoutANameWritesNothing) {
    for (const char* name : {"", "\x01name", "\tname"}) {
        messages.shown.clear();
        wizard.schemaName = name;
        CustomSchemas::button38Click(wizard);
        EXPECT_EQ(messages.Texts(),
                  std::vector<std::string>{"You must specify a name to save the schema"});
        EXPECT_EQ(messages.shown[0].outcome, MessagePort::Outcome::Failure);
    }
    EXPECT_TRUE(fs::is_empty(home.Path() / "schemas"));
}

TEST_F(CustomSchemasTest, NamesThatLeadOutOfTheSchemasFolderAreRefused) {
    home.Write("victim.zds", "2,2\r\n");
    for (const char* name :
         {"../victim", "sub/x", "..\\victim", "..", "a..b", "tab\there", "new\nline", "/tmp/x"}) {
        messages.shown.clear();
        wizard.schemaName = name;
        CustomSchemas::button38Click(wizard);
        ASSERT_EQ(messages.shown.size(), 1u) << name;
        EXPECT_EQ(messages.shown[0].text, ESchemaName(name).Message());
        EXPECT_EQ(messages.shown[0].outcome, MessagePort::Outcome::Failure);

        messages.shown.clear();
        CustomSchemas::SpeedButton6Click(wizard);
        EXPECT_TRUE(messages.questions.empty()) << name;
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{ESchemaName(name).Message()});

        EXPECT_THROW(CustomSchemas::scnameClick(wizard), ESchemaName);
    }
    EXPECT_EQ(test::ReadFile(home.Path() / "victim.zds"), "2,2\r\n");
    EXPECT_TRUE(fs::is_empty(home.Path() / "schemas"));
}

TEST_F(CustomSchemasTest, SaveThatCannotCreateTheFileReportsItAndKeepsTheOldFile) {
    home.Write("schemas/site.zds", "old");
    wizard.schemaName = "site";
    wizard.programFolder = home.Path().string() + "/missing/";
    CustomSchemas::button38Click(wizard);
    const std::string file = home.Path().string() + "/missing/schemas/site.zds";
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Cannot create file " + file);
    EXPECT_EQ(messages.shown[0].box, MessagePort::Box::Error);
    EXPECT_FALSE(fs::exists(file));

    // A name too long for a file name fails the same way.
    messages.shown.clear();
    wizard.programFolder = home.Path().string() + "/";
    wizard.schemaName = std::string(300, 'n');
    CustomSchemas::button38Click(wizard);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.starts_with("Cannot create file "));
    EXPECT_EQ(test::ReadFile(SchemaPath("site")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(home.Path() / "schemas"), {}), 1);
}

TEST_F(CustomSchemasTest, PickingASchemaReplacesTheGridCompletely) {
    home.Write("schemas/dc.zds",
               "2,3\r\ncw 0,100\r\ncw 1,200\r\n0,0,Element\r\n0,1,dc.title\r\n"
               "0,2,dc.creator\r\n1,2,Me\r\n");
    SetRows({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}});
    wizard.fields.grid1Frame.header = {"old", "header"};
    wizard.schemaName = "dc";
    CustomSchemas::scnameClick(wizard);
    EXPECT_EQ(wizard.fields.grid1,
              (std::vector<CustomRow>{{"dc.title", ""}, {"dc.creator", "Me"}}));
    EXPECT_EQ(wizard.fields.grid1Frame.header, (CustomRow{"Element", ""}));
    EXPECT_EQ(wizard.fields.grid1Frame.colWidths, (std::vector<int>{100, 200}));
}

TEST_F(CustomSchemasTest, PickingAMissingOrCorruptSchemaLeavesTheCellsCleared) {
    home.Write("schemas/bad.zds", "two,five\r\n0,1,x\r\n");
    for (const char* name : {"missing", "bad"}) {
        SetRows({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}});
        wizard.schemaName = name;
        EXPECT_THROW(CustomSchemas::scnameClick(wizard), ESchemaFile);
        EXPECT_EQ(wizard.fields.grid1, std::vector<CustomRow>(5));
    }
}

TEST_F(CustomSchemasTest, DeleteAsksFirstAndKeepsTheGrid) {
    home.Write("schemas/site.zds", "2,2\r\n");
    home.Write("schemas/other.zds", "2,2\r\n");
    SetRows({{"author", "Me"}});
    wizard.schemaName = "site";

    messages.answers = {false};
    CustomSchemas::SpeedButton6Click(wizard);
    EXPECT_EQ(messages.questions,
              std::vector<std::string>{"Do you really want to delete the schema: site \r\rThis "
                                       "Cannot be undone!   Continue?"});
    EXPECT_TRUE(fs::exists(SchemaPath("site")));
    EXPECT_EQ(wizard.schemaName, "site");

    CustomSchemas::SpeedButton6Click(wizard);  // Yes
    EXPECT_FALSE(fs::exists(SchemaPath("site")));
    EXPECT_EQ(wizard.schemaName, "");
    EXPECT_EQ(wizard.schemaList, std::vector<std::string>{"other"});
    EXPECT_EQ(wizard.fields.grid1, (std::vector<CustomRow>{{"author", "Me"}}));
    EXPECT_TRUE(messages.shown.empty());

    // Not there: no question, no message, the list is filled again.
    messages.questions.clear();
    wizard.schemaName = "site";
    wizard.schemaList = {"stale"};
    CustomSchemas::SpeedButton6Click(wizard);
    EXPECT_TRUE(messages.questions.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(wizard.schemaList, std::vector<std::string>{"other"});
}

TEST_F(CustomSchemasTest, ListFolderFilesTakesTheFilesOfTheExtension) {
    for (const char* name :
         {"a.zds", "b c.zds", "notes.txt", "x.zds.bak", ".zds", ".hidden.zds1"}) {
        home.Write(std::string("schemas/") + name, "");
    }
    fs::create_directory(home.Path() / "schemas" / "folder.zds");
    std::vector<std::string> list = {"kept"};
    EXPECT_EQ(
        CustomSchemas::ListFolderFiles(messages, CustomSchemas::SchemasFolder(wizard), "zds", list),
        3);
    std::sort(list.begin() + 1, list.end());
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "", "a", "b c"}));

    const std::string missing = (home.Path() / "nowhere").string();
    EXPECT_EQ(CustomSchemas::ListFolderFiles(messages, missing, "zds", list), 0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid Directory - " + missing});
}

TEST_F(CustomSchemasTest, TheStoredSchemaIsLoadedWithTheSettings) {
    home.Write("schemas/dc.zds", "2,2\r\n0,1,dc.title\r\n");
    IniSettingsStore store(wizard.programFolder);
    wizard.settings = &store;
    SettingsDefaults::GetDefaults(wizard,
                                  CustomSchemas::scnameClick);  // no value schema: the grid stays
    EXPECT_EQ(wizard.fields.grid1, std::vector<CustomRow>(4));

    store.WriteString(SettingsDefaults::kKey, "schema", "dc");
    SettingsDefaults::GetDefaults(wizard, CustomSchemas::scnameClick);
    EXPECT_EQ(wizard.schemaName, "dc");
    EXPECT_EQ(wizard.fields.grid1, (std::vector<CustomRow>{{"dc.title", ""}}));

    store.WriteString(SettingsDefaults::kKey, "schema", "gone");
    EXPECT_THROW(SettingsDefaults::GetDefaults(wizard, CustomSchemas::scnameClick), ESchemaFile);
}

TEST(CustomGrid, ProtectNameRefusesOnlyTheNameColumn) {
    for (const char* flag : {"", "0"}) {
        EXPECT_TRUE(CustomGrid::CanEditCell(flag, 1, 0));
    }
    EXPECT_FALSE(CustomGrid::CanEditCell("1", 1, 0));
    EXPECT_TRUE(CustomGrid::CanEditCell("1", 1, 1));
}
