#include "base/FileHost.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string_view>

#include "base/EFileCreate.h"
#include "base/EHostFailure.h"
#include "support/TestSupport.h"

using zendal::FileHost;
using zendal::test::ReadFile;
using zendal::test::TempDir;

namespace fs = std::filesystem;

namespace {

TEST(FileHost, ReportsTheAbsolutePathAndTheTextWithCRLF) {
    TempDir dir;
    dir.Write("site/page.html", "<html>\n<head></head>\n</html>\n");
    fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    FileHost host("./site/../site/page.html");
    fs::current_path(previous);

    EXPECT_EQ(host.FILENAME(), (dir.Path() / "site" / "page.html").string());
    EXPECT_EQ(host.Text(), "<html>\r\n<head></head>\r\n</html>\r\n");
    EXPECT_FALSE(host.Modified());
}

TEST(FileHost, UnreadableFileFailsItsText) {
    TempDir dir;
    for (const fs::path& path : {dir.Path() / "missing.html", dir.Path()}) {
        FileHost host(path.string());
        EXPECT_EQ(host.FILENAME(), path.lexically_normal().string());
        EXPECT_THROW(host.Text(), zendal::EHostFailure);
        EXPECT_THROW(host.EncodedBytes(), zendal::EHostFailure);
        EXPECT_THROW(host.AddAppToolbutton("Common", "zendal", "", "hint"), zendal::EHostFailure);
    }
}

TEST(FileHost, UnchangedDocumentSavesBackByteForByte) {
    TempDir dir;
    // Mixed breaks and a Windows-1252 letter: neither is touched when nothing changed.
    const std::string bytes = "<html>\r\n<head>\n<title>Caf\xE9</title>\r</head>\n";
    fs::path page = dir.Write("page.html", bytes);
    FileHost host(page.string());
    host.InsertText(host.Text(), true);
    EXPECT_EQ(host.EncodedBytes(), bytes);
    host.Save();
    EXPECT_EQ(ReadFile(page), bytes);
    // A change taken back leaves the document unchanged too.
    const std::string loaded = host.Text();
    host.InsertText("changed\r\n", true);
    ASSERT_TRUE(host.Modified());
    host.InsertText(loaded, true);
    EXPECT_FALSE(host.Modified());
    EXPECT_EQ(host.EncodedBytes(), bytes);
}

TEST(FileHost, ReadsAFileWhoseSizeIsNotKnownBeforehand) {
    // The kernel gives such files a size of 0.
    FileHost host("/proc/self/status");
    EXPECT_NE(host.Text().find("Name:"), std::string::npos);
}

TEST(FileHost, ChangedDocumentSavesInItsOwnEncodingAndStyle) {
    TempDir dir;
    fs::path page = dir.Write("page.html", "<head>\n<title>Caf\xE9</title>\n</head>\n");
    FileHost host(page.string());
    ASSERT_EQ(host.Text(), "<head>\r\n<title>Caf\xC3\xA9</title>\r\n</head>\r\n");
    host.beginupdate();
    host.SelectAll();
    host.InsertText("<head>\r\n<title>Caf\xC3\xA9 \xE2\x80\x94 Bar</title>\r\n</head>\r\n", true);
    host.endupdate();
    EXPECT_TRUE(host.Modified());
    // Nothing is written until asked.
    EXPECT_EQ(ReadFile(page), "<head>\n<title>Caf\xE9</title>\n</head>\n");

    fs::path copy = dir.Path() / "copy.html";
    host.SaveTo(copy.string());
    EXPECT_EQ(ReadFile(copy), "<head>\n<title>Caf\xE9 \x97 Bar</title>\n</head>\n");
    std::string pieces;
    host.EncodeTo([&pieces](std::string_view piece) { pieces += piece; });
    EXPECT_EQ(pieces, ReadFile(copy));
}

TEST(FileHost, SavingReplacesTheFileAtomically) {
    TempDir dir;
    fs::path page = dir.Write("page.html", "old\n");
    ::chmod(page.c_str(), 0640);
    fs::path link = dir.Path() / "link.html";
    fs::create_symlink("page.html", link);

    FileHost host(link.string());
    host.InsertText("new\r\n", true);
    host.Save();

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(page), "new\n");
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);
}

TEST(FileHost, SaveIntoAMissingFolderFails) {
    TempDir dir;
    FileHost host(dir.Write("page.html", "x").string());
    const std::string target = (dir.Path() / "no" / "such" / "page.html").string();
    try {
        host.SaveTo(target);
        FAIL() << "no failure";
    } catch (const zendal::EFileCreate& e) {
        EXPECT_EQ(e.Message(), "Cannot create file " + target);
    }
}

}  // namespace
