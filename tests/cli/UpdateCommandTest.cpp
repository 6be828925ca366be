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

// Pages of any bytes: the update keeps everything after the head as it was, and a second update
// gives the same text.
TEST(UpdateCommand, KeepsTheBodyOfAwkwardPages) {
    const std::string head = "<html>\n<head>\n<title>Old</title>\n</head>\n";
    struct Case {
        const char* what;
        std::string body;
    };
    const Case cases[] = {
        {"NUL bytes", std::string("<body>\na\0b\0\0c\n</body></html>\n", 29)},
        {"invalid UTF-8", "<body>\ncaf\xe9 \x81\x8d\x8f\x90\x9d \xc3\x28\n</body></html>\n"},
        {"10 MB on one line", "<body>" + std::string(10 << 20, 'w') + "</body></html>\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string page = dir.Write("page.html", head + c.body).string();
        ASSERT_EQ(Update(dir, {page}, {"--in-place"}).status, 0);
        const std::string once = ReadFile(page);
        EXPECT_TRUE(once.ends_with("</head>\n" + c.body));
        EXPECT_NE(once.find("<title>New</title>"), std::string::npos);
        ASSERT_EQ(Update(dir, {page}, {"--in-place"}).status, 0);
        EXPECT_EQ(ReadFile(page), once);
    }
}

TEST(UpdateCommand, RefusesAPageLargerThan256Megabytes) {
    TempDir dir;
    const std::filesystem::path page = dir.Write("big.html", "");
    std::filesystem::resize_file(page, (std::uintmax_t{256} << 20) + 1);
    const CliResult result = Update(dir, {page.string()}, {"--in-place"});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.starts_with(
        "The file " + page.string() +
        " is too large to open: it is 256.0 MB (268435457 bytes), and Zendal opens documents of "
        "up to 256 MB.\n"))
        << result.err;
    EXPECT_EQ(std::filesystem::file_size(page), (std::uintmax_t{256} << 20) + 1);
}

}  // namespace
}  // namespace zendal::test
