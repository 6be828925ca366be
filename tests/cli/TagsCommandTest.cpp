#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace zendal::test {
namespace {

using Args = std::vector<std::string>;

CliResult Tags(const TempDir& home, Args args) {
    args.insert(args.begin(), {"--home", home.Path().string(), "tags"});
    return RunCli(args);
}

TEST(TagsCommand, PrintsTheLinesOfTheView) {
    TempDir home;
    const struct {
        Args args;
        std::string out;
    } cases[] = {
        {{"--robots", "", "--distribution", "", "--language", "", "--revisit", ""},
         "<meta name=\"resource-type\" content=\"document\">\n"},
        {{"--title", "Home", "--author", "Me", "--custom", " Subject =x"},
         "<title>Home</title>\n<meta name=\"resource-type\" content=\"document\">\n"
         "<meta name=\"revisit-after\" content=\"30 days\">\n"
         "<meta name=\"robots\" content=\"ALL\">\n<meta name=\"distribution\" "
         "content=\"Global\">\n<meta name=\"author\" content=\"Me\">\n"
         "<meta name=\"language\" content=\"en-us\">\n<meta name=\"subject\" content=\"x\">\n"},
        {{"--active", "MULT", "--title", "Home", "--revisit", "", "--robots", "", "--distribution",
          "", "--language", ""},
         "<meta name=\"resource-type\" content=\"document\">\n"},
    };
    for (const auto& c : cases) {
        CliResult result = Tags(home, c.args);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.out, c.out);
    }
}

TEST(TagsCommand, ReadsTheFileFirst) {
    TempDir home;
    CliResult result = Tags(home, {"--file", Fixture("head/full.html").string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("<title>Acme Tools</title>\n"), std::string::npos);
    EXPECT_NE(result.out.find("<meta name=\"keywords\" content=\"hammer, saw\">\n"),
              std::string::npos);
}

TEST(TagsCommand, UnknownArgumentIsAUsageError) {
    TempDir home;
    EXPECT_EQ(Tags(home, {"--nope"}).status, 2);
    EXPECT_EQ(Tags(home, {"--file"}).status, 2);
}

}  // namespace
}  // namespace zendal::test
