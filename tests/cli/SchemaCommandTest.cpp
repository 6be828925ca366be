#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "base/IniSettingsStore.h"
#include "base/SettingsDefaults.h"
#include "support/TestSupport.h"

using zendal::test::ReadFile;
using zendal::test::RunCli;
using zendal::test::TempDir;

namespace {

// zendal-cli over a fresh home folder, seeded with the shipped schemas.
class SchemaCommand : public testing::Test {
  protected:
    zendal::test::CliResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home_.Path().string()});
        return RunCli(args);
    }
    std::filesystem::path Schema(const std::string& name) const {
        return home_.Path() / "schemas" / (name + ".zds");
    }
    std::vector<std::string> Listed() {
        auto result = Run({"schema", "list"});
        EXPECT_EQ(result.status, 0);
        std::vector<std::string> names;
        std::size_t start = 0;
        for (std::size_t end; (end = result.out.find('\n', start)) != std::string::npos;
             start = end + 1) {
            names.push_back(result.out.substr(start, end - start));
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir home_;
};

}  // namespace

TEST_F(SchemaCommand, ListsTheShippedSchemasAndShowsOne) {
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Dublin Core", "Social and Site"}));
    auto shown = Run({"schema", "show", "Dublin Core"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_TRUE(shown.err.empty());
    EXPECT_TRUE(shown.out.starts_with(
        "{\"cols\": 2, \"rows\": 16, \"widths\": [120, 380], \"cells\": [[0, 0, \"Element\"], "
        "[1, 0, \"Value\"], [0, 1, \"DC.title\"], "))
        << shown.out;
}

TEST_F(SchemaCommand, SavesTheGivenRowsAsSaveDoesAndShowsThemBack) {
    auto saved = Run({"schema", "save", "mine", "--custom", "subject=a, b", "--custom", "=",
                      "--custom=author=Me=You", "--custom", "x=line\none"});
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(saved.err, "Schema: mine Saved successfully\n");
    EXPECT_EQ(ReadFile(Schema("mine")),
              "2,4\r\ncw 0,64\r\ncw 1,64\r\n0,1,subject\r\n1,1,a, b\r\n0,2,author\r\n"
              "1,2,Me=You\r\n0,3,x\r\n1,3,line\bone\r\n");
    auto shown = Run({"schema", "show", "mine"});
    EXPECT_EQ(shown.out,
              "{\"cols\": 2, \"rows\": 4, \"widths\": [64, 64], \"cells\": [[0, 1, \"subject\"], "
              "[1, 1, \"a, b\"], [0, 2, \"author\"], [1, 2, \"Me=You\"], [0, 3, \"x\"], "
              "[1, 3, \"line\\u000aone\"]]}\n");

    auto empty = Run({"schema", "save", "empty"});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(ReadFile(Schema("empty")), "2,2\r\ncw 0,64\r\ncw 1,64\r\n");
}

TEST_F(SchemaCommand, RefusedNamesAndUnreadableSchemasExitOne) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::string schemas = (home_.Path() / "schemas").string();
    Run({"schema", "list"});  // seeds the home folder
    std::ofstream(Schema("corrupt"), std::ios::binary) << "lots,of\r\n";
    const std::vector<Case> cases = {
        {{"schema", "save", ""}, "You must specify a name to save the schema\n"},
        {{"schema", "save", "../out"},
         "The schema name \"../out\" cannot be used as a file name: a schema name may not hold "
         "\"/\", \"\\\", \"..\" or control characters\n"},
        {{"schema", "show", "nope"}, "File " + schemas + "/nope.zds not found\n"},
        {{"schema", "show", "corrupt"},
         "File contains no data or corrupt file " + schemas + "/corrupt.zds\n"},
    };
    for (const Case& c : cases) {
        auto result = Run(c.args);
        EXPECT_EQ(result.status, 1) << c.args.back();
        EXPECT_EQ(result.err, c.err);
        EXPECT_TRUE(result.out.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(home_.Path() / "out.zds"));
}

TEST_F(SchemaCommand, DeleteAnswersYesAndIgnoresASchemaThatIsNotThere) {
    Run({"schema", "save", "gone"});
    auto deleted = Run({"schema", "delete", "gone"});
    EXPECT_EQ(deleted.status, 0);
    EXPECT_EQ(deleted.err,
              "Do you really want to delete the schema: gone \n\nThis Cannot be undone!   "
              "Continue?\n");
    EXPECT_FALSE(std::filesystem::exists(Schema("gone")));
    auto again = Run({"schema", "delete", "gone"});
    EXPECT_EQ(again.status, 0);
    EXPECT_TRUE(again.err.empty());
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Dublin Core", "Social and Site"}));
}

TEST_F(SchemaCommand, UsageErrorsExitTwo) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"schema"},
                                               {"schema", "rename"},
                                               {"schema", "show"},
                                               {"schema", "show", "a", "b"},
                                               {"schema", "list", "x"},
                                               {"schema", "save"},
                                               {"schema", "save", "s", "--title", "t"},
                                               {"schema", "save", "s", "--custom"}}) {
        auto result = Run(args);
        EXPECT_EQ(result.status, 2) << args.size();
        EXPECT_NE(result.err.find("Usage: zendal-cli"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(Schema("s")));
}

TEST_F(SchemaCommand, SchemaOptionOfReadLoadsTheGridBeforeTheRead) {
    auto page = home_.Write("page.html",
                            "<html><head><title>t</title>\n<meta name=\"dc.title\" "
                            "content=\"Hello\">\n</head><body>x</body></html>\n");
    Run({"schema", "save", "two", "--custom", "DC.title=", "--custom", "dc.date=2026"});
    auto read = Run({"read", page.string(), "--schema", "two", "--custom", "extra=1"});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.out.find("\"custom\": [{\"name\": \"extra\", \"value\": \"1\"}, "
                            "{\"name\": \"dc.date\", \"value\": \"\"}, {\"name\": \"\", "
                            "\"value\": \"\"}]"),
              std::string::npos)
        << read.out;

    auto missing = Run({"read", page.string(), "--schema", "missing"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("missing.zds not found"), std::string::npos);
    EXPECT_NE(missing.out.find("\"file\""), std::string::npos);
}

TEST_F(SchemaCommand, TheStoredSchemaIsLoadedAtStart) {
    Run({"schema", "save", "stored", "--custom", "dc.title=x"});
    zendal::IniSettingsStore(home_.Path().string() + "/")
        .WriteString(zendal::SettingsDefaults::kKey, "schema", "stored");
    auto page = home_.Write("page.html",
                            "<html><head><title>t</title>\n<meta name=\"dc.title\" "
                            "content=\"Hello\">\n</head><body>x</body></html>\n");
    auto read = Run({"read", page.string()});
    EXPECT_NE(read.out.find("{\"name\": \"dc.title\", \"value\": \"Hello\"}"), std::string::npos)
        << read.out;

    std::filesystem::remove(Schema("stored"));
    auto failed = Run({"schema", "list"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "An Error has occurred, Zendal could not Start.\n");
}
