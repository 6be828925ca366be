#include <gtest/gtest.h>

#include "support/TestSupport.h"

using zendal::test::RunCli;
using zendal::test::TempDir;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1) {
        lines.push_back(text.substr(start, nl - start));
    }
    return lines;
}

bool HasLine(const std::string& text, const std::string& line) {
    auto lines = Lines(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

TEST(AnalyseCommand, PrintsTheReportOfTheFile) {
    TempDir dir;
    auto page = dir.Write("page.html",
                          "<html>\n<head><title>T</title></head>\n<body><p>Widgets and more "
                          "widgets</p></body>\n</html>\n");
    auto result = RunCli({"--home", (dir.Path() / "home").string(), "analyse", page.string(),
                          "--keywords", "widgets, gadgets", "--description", "Widgets for sale"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(result.out.starts_with("Trelvo Meta Tag Analysis - ")) << result.out;
    EXPECT_TRUE(HasLine(result.out, "widgets - 2 "));
    EXPECT_TRUE(HasLine(result.out, "gadgets - 0 "));
    EXPECT_TRUE(
        HasLine(result.out, " Description Tag Passes: Keywords found in page description."));
    EXPECT_EQ(result.out.find('\r'), std::string::npos);
}

// Key words found by their words: in the description (check 2) and in the body text outside
// scripts, styles and comments (check 3).
TEST(AnalyseCommand, FindsKeyWordsByTheirWords) {
    const std::string kPasses = " Description Tag Passes: Keywords found in page description.";
    const std::string kNotFound = " WARNING! Keywords not found in page description.";
    struct Case {
        std::string body;
        std::string keywords;
        std::string description;
        std::string descriptionRow;
        std::vector<std::string> bodyRows;
    };
    const std::vector<Case> cases = {
        {"<p>We bake bread. Bread, rolls.</p>",
         "bread",
         "We bake sourdough bread.",
         kPasses,
         {"bread - 2 "}},
        {"<p>Fresh (rolls) daily</p>",
         "rolls, buns",
         "Bread, rolls and buns",
         kPasses,
         {"rolls - 1 ", "buns - 0 "}},
        {"<p>breads</p>", "bread", "Our breads", kNotFound, {"bread - 0 "}},
        {"<script>var bread = 1;</script><style>.bread{}</style><!-- bread --><p>rye</p>",
         "bread, rye",
         "Rye bread",
         kPasses,
         {"bread - 0 ", "rye - 1 "}},
        {"<p>Caf&eacute; au lait, caf\xC3\xA9!</p>",
         "caf\xC3\xA9",
         "Our caf&eacute;.",
         kPasses,
         {"caf\xC3\xA9 - 2 "}},
    };
    TempDir dir;
    const std::string home = (dir.Path() / "home").string();
    for (const Case& c : cases) {
        auto page = dir.Write(
            "page.html", "<html><head><title>T</title></head><body>" + c.body + "</body></html>\n");
        auto result = RunCli({"--home", home, "analyse", page.string(), "--keywords", c.keywords,
                              "--description", c.description});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(HasLine(result.out, kPasses), c.descriptionRow == kPasses) << c.description;
        EXPECT_EQ(HasLine(result.out, kNotFound), c.descriptionRow == kNotFound) << c.description;
        for (const std::string& row : c.bodyRows) {
            EXPECT_TRUE(HasLine(result.out, row)) << c.body << " / " << row;
        }
    }
}

TEST(AnalyseCommand, RuleOverridesActAsStoredTexts) {
    TempDir dir;
    auto page = dir.Write("page.html", "<body>" + std::string(3000, 'x') + "</body>");
    std::string home = (dir.Path() / "home").string();
    struct Case {
        std::string rule;
        std::string expected;
    };
    for (const Case& c :
         std::vector<Case>{{"bodychk=50", "- Checking the first 50 characters of the body text."},
                           {"bodychk=0", "- Checking the first 1000 characters of the body text."},
                           {"keywords=77", " You can use up to 77 Characters"}}) {
        auto result = RunCli({"--home", home, "analyse", page.string(), "--rule", c.rule});
        EXPECT_EQ(result.status, 0) << c.rule;
        EXPECT_TRUE(HasLine(result.out, c.expected)) << c.rule;
    }
    auto bad = RunCli({"--home", home, "analyse", page.string(), "--rule", "keywords-r=lots"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "'lots' is not a valid integer value\n");
    EXPECT_EQ(bad.out, "");
}

TEST(AnalyseCommand, UnreadableFileAndUsageErrors) {
    TempDir dir;
    std::string home = (dir.Path() / "home").string();
    auto missing = RunCli({"--home", home, "analyse", (dir.Path() / "missing.html").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Could not Load File, Error 101!\n");
    EXPECT_TRUE(Lines(missing.out).back().empty());  // the report ends after check 2

    for (const auto& args :
         std::vector<std::vector<std::string>>{{"analyse"},
                                               {"analyse", "a.html", "--rule", "colour=red"},
                                               {"analyse", "a.html", "--keywords"},
                                               {"analyse", "a.html", "b.html"}}) {
        std::vector<std::string> full = {"--home", home};
        full.insert(full.end(), args.begin(), args.end());
        EXPECT_EQ(RunCli(full).status, 2);
    }
}
