#include "analysis/MetaTagAnalysis.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/MemoryHost.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

using namespace zendal;
using zendal::test::MemoryHost;
using zendal::test::RecordingStatusPort;
using zendal::test::ScriptedMessagePort;

namespace {

class AnalysisRun {
  public:
    AnalysisRun() : wizard(messages, status), analysis(wizard) {
        wizard.host = &host;
        wizard.ruleBase = {"6", "1000", "1000", "200"};
        host.fileName = "/site/page.html";
        host.text =
            "<html>\r\n<head><title>T</title></head>\r\n<body>\r\n<p>Meta</p> meta data\r\n"
            "</body>\r\n</html>\r\n";
    }
    const std::vector<std::string>& Run() {
        analysis.SpeedButton1Click();
        return analysis.SubmitReady();
    }
    bool Has(const std::string& line) const {
        const auto& r = analysis.SubmitReady();
        return std::find(r.begin(), r.end(), line) != r.end();
    }
    long CountOf(const std::string& line) const {
        const auto& r = analysis.SubmitReady();
        return std::count(r.begin(), r.end(), line);
    }

    ScriptedMessagePort messages;
    RecordingStatusPort status;
    MemoryHost host;
    Wizard wizard;
    MetaTagAnalysis analysis;
};

const std::string kRule = " " + std::string(84, '-');
const std::string kPassed = " INFO: The Key Words Passed The Repetition Check!";
const std::string kKeyWordsWarn =
    " REPORT: Warning, You are not using the Key words tag effectively";
const std::string kKeyWordsOk = " REPORT: You are using the Key words tag effectively";
const std::string kDescWarn = " REPORT: Warning, You are not using the Description tag effectively";
const std::string kDescOk = " REPORT: You are using the Description tag effectively";

std::string Warning(const std::string& word, int count) {
    return "WARNING! Keyword " + word + " is repeated " + std::to_string(count) +
           " times throughout keywords. Keywords Tag will be disqualified!";
}

void ExpectSameLines(const std::vector<std::string>& actual,
                     const std::vector<std::string>& expected) {
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        EXPECT_EQ(i < actual.size() ? actual[i] : "<missing>",
                  i < expected.size() ? expected[i] : "<missing>")
            << "line " << i + 1;
    }
}

}  // namespace

TEST(MetaTagAnalysis, FullReportLineForLine) {
    AnalysisRun run;
    run.wizard.fields.edit22 = "meta, data";
    run.wizard.fields.edit1 = "All about meta data";
    std::vector<std::string> expected = {
        "Trelvo Meta Tag Analysis - " + MetaTagAnalysis::Notice(),
        "",
        "1) Key Word Repetition (Spamming) and Usage Check",
        kRule,
        " Checks for key word repetition in keywords meta tag. This check",
        " is important because it prevents you from disqualifying your page",
        " from search engines because of suspected spamming. Most Engines will",
        " look at repeating of words past 6 as a tactic of increasing relevancy",
        " on a topic that you would not score high on normally. Basically",
        " cheating! If you fail this check your page may be rejected from the",
        " engine or the tag may be disqualified. In Short, it will adversely ",
        " affect your search engine findability! ",
        "",
        "",
        kKeyWordsWarn,
        " You are using: 10 Characters",
        " You can use up to 1000 Characters",
        "",
        "",
        "",
        "",
        kPassed,
        "",
        "",
        "",
        "2) Check for the usage of Key words in the description meta tag and description usage",
        kRule,
        " Checks for key word usage in the description meta tag. This is a common ",
        " method used to determine if your page is actually about the information in",
        " your key words. This check should pass or you need to change the description",
        " meta tag to include keywords!",
        "",
        "",
        " Description Tag Passes: Keywords found in page description.",
        kDescWarn,
        " You are using: 19 Characters",
        " You can use up to 200 Characters",
        "",
        "",
        "",
        "",
        "3) Check Body Text for Key Word Usage & Counts",
        kRule,
        " Checks for key word usage in the document. THIS IS THE MOST IMPORTANT CHECK  ",
        " THAT YOU NEED TO PASS. If the search engine finds no reference in your document ",
        " for your key words you will most likely score low in the search engines for ",
        " your meta tag values! It is recommended that your target keywords are used at",
        " least Five (5) times. Output will be formatted: Key word - Count",
        "",
        "* The next line tells you how deep into the document Trelvo will search.",
        "- Checking the first 26 characters of the body text.",
        "",
        "meta - 2 ",
        "data - 1 ",
        "",
        "",
        "[Information]",
        "",
        "These checks were formulated based on the latest rules put forth by the search engines "
        "and good publishing standards.",
        "These rules can change, please check back with VELQ on a monthly basis to see if there "
        "are updates!",
    };
    ExpectSameLines(run.Run(), expected);
    EXPECT_EQ(run.status.SimpleText(), "Meta Tag Analysis is complete, Ready");
    EXPECT_FALSE(run.status.busyCursor);
    EXPECT_TRUE(run.messages.shown.empty());
}

TEST(MetaTagAnalysis, RepetitionCheck) {
    struct Case {
        std::string keywords;
        std::string limit;
        std::vector<std::string> warnings;
    };
    const std::vector<Case> cases = {
        {"a, b, a, c, a", "2", {Warning("a", 3)}},
        {"Web web WEB", "2", {Warning("Web", 3)}},
        {"a, a, a", "3", {}},
        {"x, y, x", "0", {Warning("x", 2), Warning("y", 1)}},  // the last word is never reported
        {"", "6", {}},
    };
    for (const Case& c : cases) {
        AnalysisRun run;
        run.wizard.fields.edit22 = c.keywords;
        run.wizard.ruleBase.keywordsR = c.limit;
        run.Run();
        std::vector<std::string> warnings;
        for (const std::string& line : run.analysis.SubmitReady()) {
            if (line.starts_with("WARNING! Keyword ")) {
                warnings.push_back(line);
            }
        }
        EXPECT_EQ(warnings, c.warnings) << c.keywords;
        EXPECT_EQ(run.Has(kPassed), c.warnings.empty()) << c.keywords;
    }
}

TEST(MetaTagAnalysis, LengthBounds) {
    struct Case {
        std::size_t keywordsLength;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{{499, kKeyWordsWarn},
                                           {500, kKeyWordsOk},
                                           {1000, kKeyWordsOk},
                                           {1001, kKeyWordsWarn}}) {
        AnalysisRun run;
        run.wizard.fields.edit22 = std::string(c.keywordsLength, 'k');
        run.Run();
        EXPECT_TRUE(run.Has(c.expected)) << c.keywordsLength;
    }
    for (const auto& [length, expected] : std::vector<std::pair<std::size_t, std::string>>{
             {199, kDescWarn}, {200, kDescOk}, {201, kDescWarn}}) {
        AnalysisRun run;
        run.wizard.fields.edit1 = std::string(length, 'd');
        run.Run();
        EXPECT_TRUE(run.Has(expected)) << length;
    }
    // Characters, not bytes; a line break counts as two.
    AnalysisRun run;
    run.wizard.fields.edit1 = "\xc3\xa9t\xc3\xa9\nx";
    run.Run();
    EXPECT_TRUE(run.Has(" You are using: 6 Characters"));
}

TEST(MetaTagAnalysis, EmptyFieldsDrawNoDescriptionRowAndNoCounts) {
    AnalysisRun run;
    run.wizard.fields.edit22 = "";
    run.wizard.fields.edit1 = "";
    run.Run();
    EXPECT_TRUE(run.Has(kKeyWordsWarn));
    EXPECT_TRUE(run.Has(kPassed));
    EXPECT_FALSE(run.Has(" Description Tag Passes: Keywords found in page description."));
    EXPECT_FALSE(run.Has(" WARNING! Keywords not found in page description."));
    EXPECT_TRUE(run.Has(" You are using: 0 Characters"));
    for (const std::string& line : run.analysis.SubmitReady()) {
        EXPECT_FALSE(line.ends_with(" ") && line.find(" - ") != std::string::npos) << line;
    }

    AnalysisRun keywordsOnly;
    keywordsOnly.wizard.fields.edit22 = "meta";
    keywordsOnly.Run();
    EXPECT_FALSE(keywordsOnly.Has(" WARNING! Keywords not found in page description."));
}

TEST(MetaTagAnalysis, KeyWordsInTheDescriptionByTheirWords) {
    const std::string kPasses = " Description Tag Passes: Keywords found in page description.";
    const std::string kNotFound = " WARNING! Keywords not found in page description.";
    struct Case {
        std::string description;
        std::string keywords;
        std::string row;  // empty: no R17 row
    };
    const std::vector<Case> cases = {
        {"We bake sourdough bread.", "bread", kPasses},
        {"Bread, rolls and buns", "bread", kPasses},
        {"We sell GADGETS.", "widgets, gadgets", kPasses},
        {"(bread) and \"rolls\"", "rolls", kPasses},
        {"Our breads are baked daily", "bread", kNotFound},
        {"An e-mail service", "mail", kNotFound},
        {"An e-mail service", "E-Mail", kPasses},
        {"Caf&eacute; au lait", "caf\xC3\xA9", kPasses},
        {"Fresh caf\xC3\xA9 food", "Caf&Eacute;", kPasses},
        {"Web design, made well.", "\"web design\"", kPasses},
        {"Web and design", "\"web design\"", kNotFound},
        {"Stra\xC3\x9F"
         "e und Platz",
         "STRA\xC3\x9F"
         "E",
         kPasses},
        {"-- ...", "bread", ""},  // a description without words
        {"We bake bread.", "", ""},
    };
    for (const Case& c : cases) {
        AnalysisRun run;
        run.wizard.fields.edit1 = c.description;
        run.wizard.fields.edit22 = c.keywords;
        run.Run();
        EXPECT_EQ(run.Has(kPasses), c.row == kPasses) << c.description << " / " << c.keywords;
        EXPECT_EQ(run.Has(kNotFound), c.row == kNotFound) << c.description << " / " << c.keywords;
    }
}

TEST(MetaTagAnalysis, BodyCounts) {
    struct Case {
        std::string body;
        std::string keywords;
        std::string bodychk;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {"<p>Meta</p> meta data", "meta", "1000", {"meta - 2 "}},
        {"<img alt=logo width=10>", "logo", "1000", {"logo - 1 "}},
        {"a=b a=b", "a=b", "1000", {"a=b - 0 "}},
        // Punctuation inside a word stays: "meta-data" is a word of its own.
        {"metadata meta-data meta", "meta", "1000", {"meta - 1 "}},
        {"aaaa", "aa", "1000", {"aa - 0 "}},
        {"word word word", "word", "5", {"word - 1 "}},
        {"word word word", "word", "8", {"word - 1 "}},  // "wo" of the second is cut off
        {"x", "\" padded \"", "1000", {"padded - 0 "}},
        {"We bake bread. Bread, rolls (bread)", "bread", "1000", {"bread - 3 "}},
        {"<script>var bread = 1; // bread</script><style>.bread {}</style>"
         "<noscript>bread</noscript><template>bread</template><!-- bread -->bread",
         "bread",
         "1000",
         {"bread - 1 "}},
        {"caf&eacute; Caf&#233; caf\xC3\xA9s", "caf\xC3\xA9", "1000", {"caf\xC3\xA9 - 2 "}},
        {"web&nbsp;design, web design. web",
         "\"web design\", design",
         "1000",
         {"web design - 2 ", "design - 2 "}},
        {"e-mail mail", "e-mail, -", "1000", {"e-mail - 1 ", "- - 0 "}},
    };
    for (const Case& c : cases) {
        AnalysisRun run;
        run.host.text = "<html><head></head><body>" + c.body + "</body></html>";
        run.wizard.fields.edit22 = c.keywords;
        run.wizard.ruleBase.bodychk = c.bodychk;
        run.Run();
        for (const std::string& row : c.rows) {
            EXPECT_TRUE(run.Has(row)) << c.body << " / " << row;
        }
    }
}

TEST(MetaTagAnalysis, BodyRangeIsBoundedByTheCheckCount) {
    AnalysisRun run;
    run.host.text = "<body>" + std::string(5000, 'x') + "</body>";
    run.wizard.ruleBase.bodychk = "1000";
    run.Run();
    EXPECT_TRUE(run.Has("- Checking the first 1000 characters of the body text."));
}

TEST(MetaTagAnalysis, DocumentsWithoutBodyTags) {
    struct Case {
        std::string text;
        std::string checked;
    };
    // Without "<body" the body starts after the head end tag (or at the start); without
    // "</body>" it runs to the end of the text.
    for (const Case& c : std::vector<Case>{
             {"<html><head></head>meta words",
              "- Checking the first 12 characters of the body text."},
             {"meta words", "- Checking the first 12 characters of the body text."},
             {"<body>meta words", "- Checking the first 13 characters of the body text."}}) {
        AnalysisRun run;
        run.host.text = c.text;
        run.wizard.fields.edit22 = "meta";
        run.Run();
        EXPECT_TRUE(run.Has(c.checked)) << c.text;
        EXPECT_TRUE(run.Has("meta - 1 ")) << c.text;
    }
}

TEST(MetaTagAnalysis, HostFailureEndsTheReportAfterCheckTwo) {
    AnalysisRun run;
    run.host.failText = true;
    const auto& report = run.Run();
    EXPECT_EQ(run.messages.Texts(), std::vector<std::string>{"Could not Load File, Error 101!"});
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.back(), "");
    EXPECT_EQ(report[report.size() - 2], " You can use up to 200 Characters");
    EXPECT_EQ(run.status.SimpleText(), "Meta Tag Analysis is complete, Ready");
}

TEST(MetaTagAnalysis, LimitsThatAreNotNumbers) {
    // The repetition limit fails before the report is cleared: the old report stays.
    AnalysisRun run;
    run.Run();
    auto before = run.analysis.SubmitReady();
    run.wizard.ruleBase.keywordsR = "six";
    run.Run();
    EXPECT_EQ(run.analysis.SubmitReady(), before);
    EXPECT_EQ(run.messages.Texts(), std::vector<std::string>{"'six' is not a valid integer value"});

    // The other limits keep the lines appended so far.
    AnalysisRun late;
    late.wizard.ruleBase.bodychk = "lots";
    const auto& report = late.Run();
    EXPECT_EQ(late.messages.Texts(),
              std::vector<std::string>{"'lots' is not a valid integer value"});
    EXPECT_EQ(report.back(), "");
    EXPECT_FALSE(late.Has("3) Check Body Text for Key Word Usage & Counts"));
    EXPECT_EQ(late.status.SimpleText(), "Meta Tag Analysis is complete, Ready");
}

TEST(MetaTagAnalysis, ZeroRepetitionLimitAndRepeatRuns) {
    AnalysisRun run;
    run.wizard.fields.edit22 = "alpha, beta";
    std::string hostBefore = run.host.text;
    WizardFields fieldsBefore = run.wizard.fields;
    auto first = run.Run();
    auto second = run.Run();
    EXPECT_EQ(first, second);
    EXPECT_EQ(run.host.text, hostBefore);
    EXPECT_EQ(run.wizard.fields.edit22, fieldsBefore.edit22);
    EXPECT_EQ(run.host.calls, (std::vector<std::string>{"Text", "Text"}));
}
