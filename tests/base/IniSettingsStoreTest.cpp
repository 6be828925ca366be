#include "base/IniSettingsStore.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/ESettingsFailure.h"
#include "support/TestSupport.h"

using zendal::IniSettingsStore;
using zendal::test::ReadFile;
using zendal::test::TempDir;

namespace fs = std::filesystem;

namespace {

const std::string kRodoru = "Software\\VELQ\\rodoru";

std::string Home(const TempDir& dir) {
    return dir.Path().string() + "/";
}

TEST(IniSettingsStore, FirstStartCreatesTheDefaultValues) {
    TempDir dir;
    IniSettingsStore store(Home(dir));
    EXPECT_EQ(ReadFile(dir.Path() / "settings.ini"),
              "[Software\\VELQ\\rodoru]\n"
              "backup=1\n"
              "removeblanks=0\n"
              "keywords-r=6\n"
              "bodychk=1000\n"
              "keywords=1000\n"
              "description=200\n"
              "\n"
              "[Software\\VELQ\\Zendal]\n"
              "kwgcount=25\n"
              "suggestions=ranked\n");
    ASSERT_TRUE(store.OpenKey(kRodoru));
    EXPECT_EQ(store.ReadString(kRodoru, "bodychk"), "1000");
    EXPECT_FALSE(store.ValueExists(kRodoru, "schema"));
}

TEST(IniSettingsStore, OpeningAMissingKeyCreatesItEmpty) {
    TempDir dir;
    const std::string text = "; kept as written\n[Other]\nx = 1\n";
    dir.Write("settings.ini", text);
    IniSettingsStore store(Home(dir));
    EXPECT_EQ(ReadFile(dir.Path() / "settings.ini"), text);
    ASSERT_TRUE(store.OpenKey("\\Software\\VELQ\\rodoru"));
    EXPECT_FALSE(store.ValueExists(kRodoru, "backup"));
    EXPECT_EQ(ReadFile(dir.Path() / "settings.ini"), text + "\n[\\Software\\VELQ\\rodoru]\n");
    EXPECT_TRUE(store.ValueExists("other", "X"));
    EXPECT_EQ(store.ReadString("OTHER", "x"), "1");
}

TEST(IniSettingsStore, ValuesSurviveAsTheyWereWritten) {
    TempDir dir;
    const std::string values[] = {"",
                                  "1",
                                  " leading and trailing ",
                                  "\"quoted\"",
                                  "@Variant(not typed)",
                                  "a\\b\\",
                                  "two\r\nlines",
                                  "tab\there",
                                  "\x01\x7F",
                                  "caf\xC3\xA9 \xE9",
                                  "a = b ; c # d"};
    {
        IniSettingsStore store(Home(dir));
        ASSERT_TRUE(store.OpenKey(kRodoru));
        for (std::size_t i = 0; i < std::size(values); ++i) {
            store.WriteString(kRodoru, "v" + std::to_string(i), values[i]);
        }
    }
    IniSettingsStore reread(Home(dir));
    ASSERT_TRUE(reread.OpenKey(kRodoru));
    for (std::size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(reread.ReadString(kRodoru, "v" + std::to_string(i)), values[i]);
    }
}

TEST(IniSettingsStore, WritingChangesOnlyItsOwnLine) {
    TempDir dir;
    dir.Write(
        "settings.ini",
        "# comment\r\n[Software\\VELQ\\rodoru]\r\nBackup = 1\r\n\r\n[Software\\VELQ\\Zendal]\r\n"
        "kwgcount=25\r\n");
    IniSettingsStore store(Home(dir));
    ASSERT_TRUE(store.OpenKey(kRodoru));
    store.WriteString(kRodoru, "backup", "0");
    store.WriteString(kRodoru, "schema", "dublin");
    EXPECT_EQ(ReadFile(dir.Path() / "settings.ini"),
              "# comment\r\n[Software\\VELQ\\rodoru]\r\nBackup=0\nschema=dublin\n\r\n"
              "[Software\\VELQ\\Zendal]\r\nkwgcount=25\r\n");
}

TEST(IniSettingsStore, AValueThatIsNotAStringFailsNamingIt) {
    TempDir dir;
    dir.Write("settings.ini",
              "[Software\\VELQ\\rodoru]\n"
              "backup=@Variant(\\0\\0\\0\\x7f)\n"
              "bodychk=@ByteArray(1000)\n"
              "keywords\n"
              "description=\"200\n"
              "schema=\"a\" b\n"
              "fine=\"@x\"\n");
    IniSettingsStore store(Home(dir));
    ASSERT_TRUE(store.OpenKey(kRodoru));
    for (const char* name : {"backup", "bodychk", "keywords", "description", "schema"}) {
        EXPECT_TRUE(store.ValueExists(kRodoru, name)) << name;
        try {
            store.ReadString(kRodoru, name);
            ADD_FAILURE() << name << " read as a string";
        } catch (const zendal::ESettingsFailure& e) {
            EXPECT_EQ(e.Message(), std::string("Invalid data type for '") + name + "'");
        }
    }
    EXPECT_EQ(store.ReadString(kRodoru, "fine"), "@x");
}

TEST(IniSettingsStore, AWriteThatCannotBeSavedFailsNamingTheValue) {
    TempDir dir;
    const fs::path home = dir.Path() / "home";
    fs::create_directories(home);
    IniSettingsStore store(home.string() + "/");
    ASSERT_TRUE(store.OpenKey(kRodoru));
    fs::remove_all(home);
    try {
        store.WriteString(kRodoru, "backup", "0");
        FAIL() << "no failure";
    } catch (const zendal::ESettingsFailure& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'backup'");
    }
    // The refused write is not kept either.
    EXPECT_EQ(store.ReadString(kRodoru, "backup"), "1");
}

TEST(IniSettingsStore, AFileThatCannotBeReadOpensNoKey) {
    TempDir dir;
    fs::create_directories(dir.Path() / "settings.ini");
    IniSettingsStore store(Home(dir));
    EXPECT_FALSE(store.OpenKey(kRodoru));
    EXPECT_FALSE(store.ValueExists(kRodoru, "backup"));
}

}  // namespace
