#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/Wizard.h"
#include "cli/FieldOptions.h"
#include "cli/JsonString.h"
#include "cli/UsageError.h"
#include "support/MachinePages.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"
#include "support/TestSupport.h"

namespace zendal::test {
namespace {

using Args = std::vector<std::string>;

std::string HeadFixture(const std::string& name) {
    return Fixture("head/" + name).string();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

CliResult Read(const TempDir& home, Args args) {
    args.insert(args.begin(), {"--home", home.Path().string(), "read"});
    return RunCli(args);
}

TEST(ReadCommand, PrintsTheFieldsOfEachFile) {
    TempDir home;
    const std::string file = HeadFixture("full.html");
    CliResult result = Read(home, {file});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "{\"file\": \"" + file +
                  "\", \"title\": \"Acme Tools\", \"keywords\": \"hammer, saw\", "
                  "\"description\": \"Tools for all\", \"generator\": \"Zed\", \"robots\": "
                  "\"NOINDEX, FOLLOW\", \"distribution\": \"Local\", \"rating\": \"GENERAL\", "
                  "\"language\": \"de\", \"copyright\": \"Acme\", \"author\": \"\", "
                  "\"classification\": \"Hardware\", \"reply-to\": \"info@acme.example\", "
                  "\"revisit\": \"7 days\", \"pragma\": false, \"custom\": [{\"name\": \"\", "
                  "\"value\": \"\"}, {\"name\": \"\", \"value\": \"\"}, {\"name\": \"\", "
                  "\"value\": \"\"}, {\"name\": \"\", \"value\": \"\"}]}\n");
}

TEST(ReadCommand, EachFileStartsFromTheFieldsAtStart) {
    TempDir home;
    CliResult result = Read(home, {HeadFixture("full.html"), HeadFixture("robots-only.html")});
    std::vector<std::string> lines = SplitLines(result.out);
    ASSERT_EQ(lines.size(), 2u);
    // Page 1's fields of the first file do not carry over.
    EXPECT_NE(lines[1].find("\"keywords\": \"\""), std::string::npos);
    EXPECT_NE(lines[1].find("\"robots\": \"NOINDEX\""), std::string::npos);
}

TEST(ReadCommand, AFailedReadIsReportedAndStillPrinted) {
    struct FailureCase {
        const char* fixture;
        const char* stderrText;
    };
    const FailureCase cases[] = {
        {"no-body.html", "is not a valid HTML 3.2 File\n(Missing '<BODY> or <FRAMESET>' Tag)\n"},
        {"tag-in-title.html",
         "Title Tag improperly ended. Another tag starts before '</title>' tag\n"},
        {"equals-after-meta.html", "not valid meta tag\n"},
        {"no-such-file.html", "Could not Load File, Error 101!\n"},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.fixture);
        TempDir home;
        CliResult result = Read(home, {HeadFixture(c.fixture), HeadFixture("robots-only.html")});
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.ends_with(c.stderrText)) << result.err;
        std::vector<std::string> lines = SplitLines(result.out);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_NE(lines[1].find("\"robots\": \"NOINDEX\""), std::string::npos);
    }
}

TEST(ReadCommand, FieldOptionsApplyAroundTheRead) {
    TempDir home;
    CliResult result = Read(home, {HeadFixture("full.html"), "--robots", "", "--custom", "subject",
                                   "--custom", "Author=Me", "--custom", "a=b=c", "--custom", "d",
                                   "--custom", "e=", "--pragma", "--title=T"});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_NE(out.find("\"title\": \"T\""), std::string::npos);
    EXPECT_NE(out.find("\"robots\": \"\""), std::string::npos);
    EXPECT_NE(out.find("\"pragma\": true"), std::string::npos);
    // Names before the read (so the read fills subject), typed values after it; a fifth row.
    EXPECT_NE(out.find("\"custom\": [{\"name\": \"subject\", \"value\": \"tools\"}, {\"name\": "
                       "\"Author\", \"value\": \"Me\"}, {\"name\": \"a\", \"value\": \"b=c\"}, "
                       "{\"name\": \"d\", \"value\": \"\"}, {\"name\": \"e\", \"value\": \"\"}]"),
              std::string::npos)
        << out;
}

TEST(ReadCommand, UsageErrorsExitTwo) {
    const Args cases[] = {
        {}, {"--bogus", "x.html"}, {"x.html", "--title"}, {"--pragma=1", "x.html"}, {""},
    };
    for (const Args& args : cases) {
        TempDir home;
        CliResult result = Read(home, args);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find("Usage: zendal-cli"), std::string::npos);
        EXPECT_EQ(result.out, "");
    }
}

TEST(FieldOptions, TakesItsOptionsAndLeavesTheRest) {
    Args args = {"a.html", "--keywords", "k", "-o", "out", "--no-pragma", "--", "--title", "x"};
    cli::FieldOptions options = cli::FieldOptions::Extract(args);
    EXPECT_EQ(args, (Args{"a.html", "-o", "out", "--", "--title", "x"}));
    ScriptedMessagePort messages;
    RecordingStatusPort status;
    Wizard wizard(messages, status);
    wizard.fields.CheckBox1 = true;
    options.ApplyBeforeRead(wizard);
    EXPECT_EQ(wizard.fields.edit22, "");
    options.ApplyAfterRead(wizard);
    EXPECT_EQ(wizard.fields.edit22, "k");
    EXPECT_FALSE(wizard.fields.CheckBox1);
}

TEST(FieldOptions, KeepsTheSchemaNameUntilALoaderIsGiven) {
    Args args = {"--schema", "basic", "--custom", "x=1"};
    cli::FieldOptions options = cli::FieldOptions::Extract(args);
    ScriptedMessagePort messages;
    RecordingStatusPort status;
    Wizard wizard(messages, status);
    std::vector<std::string> loaded;
    options.ApplyBeforeRead(wizard, [&](Wizard& w, const std::string& name) {
        loaded.push_back(name);
        w.fields.grid1.assign(1, {"from schema", ""});
    });
    EXPECT_EQ(wizard.schemaName, "basic");
    EXPECT_EQ(loaded, (std::vector<std::string>{"basic"}));
    EXPECT_EQ(wizard.fields.grid1[0].name, "x");
}

TEST(JsonString, EscapesAndKeepsEveryByteVisible) {
    EXPECT_EQ(cli::JsonString("a\"b\\c\r\n\t\x01"), "\"a\\\"b\\\\c\\u000d\\u000a\\u0009\\u0001\"");
    EXPECT_EQ(cli::JsonString("\xC3\xA9\xE2\x82\xAC"), "\"\xC3\xA9\xE2\x82\xAC\"");
    EXPECT_EQ(cli::JsonString("\xFF\xC3"), "\"\\u00ff\\u00c3\"");
    EXPECT_EQ(cli::JsonString("\xED\xA0\x80"), "\"\\u00ed\\u00a0\\u0080\"");
}

// Every line that the read command may write to standard error.
bool IsSystemMessageLine(const std::string& line) {
    const char* const starts[] = {"The File '",
                                  "(Missing '",
                                  "(Invalid Usage in HEAD, Missing '",
                                  "Title Tag improperly ended.",
                                  "Title Tag used improperly (Missing 'Content')",
                                  "File name = ",
                                  "not valid meta tag",
                                  "Could not Load File, Error 101!"};
    for (const char* start : starts) {
        if (line.starts_with(start)) {
            return true;
        }
    }
    return false;
}

TEST(ReadCommand, ReadsRealPagesOrEndsWithTheSystemsMessages) {
    std::vector<std::string> pages;
    for (const std::filesystem::path& page : SpreadSample(MachinePages(), 300)) {
        pages.push_back(page.string());
    }
    if (pages.empty()) {
        GTEST_SKIP() << "no HTML pages on this machine";
    }
    TempDir home;
    CliResult result = Read(home, pages);
    EXPECT_TRUE(result.status == 0 || result.status == 1) << result.status;
    EXPECT_EQ(SplitLines(result.out).size(), pages.size());
    for (const std::string& line : SplitLines(result.err)) {
        EXPECT_TRUE(IsSystemMessageLine(line)) << line;
    }
}

}  // namespace
}  // namespace zendal::test
