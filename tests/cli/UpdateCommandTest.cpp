#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestSupport.h"

namespace zendal::test {
namespace {

using Args = std::vector<std::string>;

const std::string kPage =
    "<html>\n<head>\n<title>Old</title>\n<meta name=\"author\" content=\"x\">\n</head>\n"
    "<body>\nhello\n</body></html>";
const std::string kUpdated =
    "<html>\n<head>\n<title>New</title>\n<meta name=\"resource-type\" "
    "content=\"document\">\n</head>\n<body>\nhello\n</body></html>\n";
const Args kNew = {"--title",         "New",        "--author",   "", "--robots",       "",
                   "--revisit",       "",           "--language", "", "--distribution", "",
                   "--remove-blanks", "--no-backup"};

CliResult Update(const TempDir& home, const Args& files, Args more = {}) {
    Args args = {"--home", home.Path().string(), "update"};
    args.insert(args.end(), files.begin(), files.end());
    args.insert(args.end(), kNew.begin(), kNew.end());
    args.insert(args.end(), more.begin(), more.end());
    return RunCli(args);
}

TEST(UpdateCommand, WritesToStandardOutputByDefault) {
    TempDir dir;
    const std::string page = dir.Write("page.html", kPage).string();
    CliResult result = Update(dir, {page});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, kUpdated);
    EXPECT_EQ(result.err, "Successfully Wrote Tags To 1 Files\n");
    EXPECT_EQ(ReadFile(page), kPage);
}

TEST(UpdateCommand, WritesToOutOrInPlaceAndTwiceGivesTheSameText) {
    TempDir dir;
    const std::string page = dir.Write("page.html", kPage).string();
    const std::string out = (dir.Path() / "out.html").string();
    EXPECT_EQ(Update(dir, {page}, {"-o", out}).status, 0);
    EXPECT_EQ(ReadFile(out), kUpdated);
    EXPECT_EQ(ReadFile(page), kPage);

    const std::string other = dir.Write("other.html", kPage).string();
    CliResult result = Update(dir, {page, other}, {"--in-place"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Successfully Wrote Tags To 2 Files\n");
    EXPECT_EQ(ReadFile(page), kUpdated);
    EXPECT_EQ(ReadFile(other), kUpdated);
    EXPECT_EQ(Update(dir, {page}, {"--in-place"}).status, 0);
    EXPECT_EQ(ReadFile(page), kUpdated);
}

TEST(UpdateCommand, DocumentThatFailedIsNotWritten) {
    TempDir dir;
    const std::string broken = dir.Write("broken.html", "<html><head></head>no body").string();
    const std::string page = dir.Write("page.html", kPage).string();
    CliResult result = Update(dir, {broken, page}, {"--in-place"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(ReadFile(broken), "<html><head></head>no body");
    EXPECT_EQ(ReadFile(page), kUpdated);
    EXPECT_TRUE(result.err.ends_with("Successfully Wrote Tags To 1 Files\n")) << result.err;
}

TEST(UpdateCommand, BacksUpIntoTheHomeFolder) {
    TempDir dir;
    const std::string page = dir.Write("page.html", kPage).string();
    EXPECT_EQ(Update(dir, {page}, {"--backup"}).status, 0);
    EXPECT_EQ(ReadFile(dir.Path() / "backup" / "page.html"), kPage);
}

TEST(UpdateCommand, UsageErrors) {
    TempDir dir;
    const std::string page = dir.Write("page.html", kPage).string();
    for (const Args& more :
         {Args{"--nope"}, Args{"-o"}, Args{"--in-place", "-o", "x"}, Args{page, "-o", "x"}}) {
        EXPECT_EQ(Update(dir, {page}, more).status, 2);
    }
    EXPECT_EQ(RunCli({"--home", dir.Path().string(), "update"}).status, 2);
}

}  // namespace
}  // namespace zendal::test
