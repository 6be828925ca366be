#include "cli/CliSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/CliContext.h"
#include "support/TestSupport.h"

using zendal::cli::CliContext;
using zendal::cli::CliSession;
using zendal::test::TempDir;

namespace fs = std::filesystem;

namespace {

struct Context {
    explicit Context(const std::string& home) : context({}, home, out, in, err) {}
    std::ostringstream out, err;
    std::istringstream in;
    CliContext context;
};

TEST(CliSession, StartsOverTheHomeFolderAndItsSettings) {
    TempDir dir;
    dir.Write("home/settings.ini", "[Software\\VELQ\\rodoru]\nbackup=0\nbodychk=0\n");
    Context c((dir.Path() / "home").string());
    CliSession session(c.context);

    const std::string home = (dir.Path() / "home").string() + "/";
    EXPECT_EQ(session.wizard().programFolder, home);
    EXPECT_TRUE(fs::is_directory(home + "schemas"));
    EXPECT_TRUE(fs::is_directory(home + "backup"));
    EXPECT_FALSE(session.wizard().fields.CheckBox2);
    EXPECT_EQ(session.wizard().ruleBase.bodychk, "1000");
    EXPECT_EQ(session.document(), nullptr);
    EXPECT_EQ(c.err.str(), "");
}

TEST(CliSession, FirstStartCreatesTheSettings) {
    TempDir dir;
    Context c(dir.Path().string());
    CliSession session(c.context);
    EXPECT_TRUE(fs::exists(dir.Path() / "settings.ini"));
    EXPECT_TRUE(session.wizard().fields.CheckBox2);
    EXPECT_FALSE(session.wizard().fields.CheckBox4);
}

TEST(CliSession, OpenedDocumentIsTheActiveDocumentByItsAbsolutePath) {
    TempDir dir;
    fs::path page = dir.Write("site/page.html", "<html>\n</html>\n");
    Context c((dir.Path() / "home").string());
    CliSession session(c.context);
    session.OpenDocument((dir.Path() / "site" / "." / "page.html").string());
    zendal::Wizard& wizard = session.wizard();
    EXPECT_EQ(wizard.activeDocument, page.string());
    EXPECT_EQ(wizard.fileList, std::vector<std::string>{page.string()});
    ASSERT_NE(session.document(), nullptr);
    EXPECT_EQ(wizard.host, session.document());
    EXPECT_EQ(wizard.host->Text(), "<html>\r\n</html>\r\n");
    EXPECT_EQ(wizard.status.PanelText(zendal::StatusPort::StatePanel), "Ready");
}

TEST(CliSession, SettingsFailureFailsTheStart) {
    TempDir dir;
    dir.Write("settings.ini", "[Software\\VELQ\\rodoru]\nbackup=@Variant(1)\n");
    Context c(dir.Path().string());
    CliSession session(c.context);
    EXPECT_EQ(c.err.str(), "An Error has occurred, Zendal could not Start.\n");
    EXPECT_EQ(c.context.ExitStatus(), 1);
}

}  // namespace
