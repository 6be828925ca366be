#include "keywords/KeyWordGenerator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/IntegerText.h"
#include "keywords/LanguageNoiseWords.h"
#include "keywords/NoiseWordFile.h"
#include "keywords/WordRule.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"
#include "support/TestSupport.h"

namespace zendal {
namespace {

using Counted = std::pair<std::string, int>;

// A key word window over a temporary program folder.
class Generator {
  public:
    Generator() : generator(dir.Path().string() + "/", messages, status, &settings, nullptr) {
        generator.FormCreate();
        generator.SetBodyCheckLimit(5000);
    }

    std::string Page(const std::string& html, const std::string& name = "doc.html") {
        return dir.Write(name, html).string();
    }
    void Noise(const std::string& bytes) { dir.Write(NoiseWordFile::kFileName, bytes); }
    std::vector<Counted> RunOnBody(const std::string& body) {
        generator.Run(Page("<html><head><title>t</title></head><body>" + body + "</body></html>"));
        return Counted_();
    }
    std::vector<Counted> Counted_() const {
        std::vector<Counted> rows;
        for (const KeyWordRow& row : generator.Rows()) {
            rows.emplace_back(row.word, row.count);
        }
        return rows;
    }

    test::TempDir dir;
    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    test::MemorySettingsStore settings;
    KeyWordGenerator generator;
};

struct BodyCase {
    const char* name;
    std::string body;
    std::vector<Counted> rows;
};

TEST(KeyWordGenerator, CountsTheWordsOfTheBodyText) {
    const std::vector<BodyCase> cases = {
        {"case is ignored, first spelling kept", "Time time TIME", {{"Time", 3}}},
        {"equal counts in descending word order",
         "apple pear apple pear",
         {{"pear", 2}, {"apple", 2}}},
        {"higher counts first", "b a a c c c", {{"c", 3}, {"a", 2}, {"b", 1}}},
        {"punctuation at the ends is no part of the word", "end. end", {{"end", 2}}},
        {"digits and signs make words", "id=5 2000", {{"id=5", 1}, {"2000", 1}}},
        {"a lone ampersand is no word", "a & b", {{"b", 1}, {"a", 1}}},
        {"a character reference is its character", "AT&amp;T", {{"AT&T", 1}}},
        {"markup gives no words",
         "<p class=\"big words\">one</p><!-- two --><br/>three",
         {{"three", 1}, {"one", 1}}},
        {"texts of two events never run together", "one<b>two</b>", {{"two", 1}, {"one", 1}}},
        {"script content is no text", "<script>var x</script>", {}},
        {"double quotes are punctuation",
         "say \"web design\" now",
         {{"web", 1}, {"say", 1}, {"now", 1}, {"design", 1}}},
        {"an unclosed quote takes nothing with it", "a \"b c", {{"c", 1}, {"b", 1}, {"a", 1}}},
        {"commas give no empty words", ", ,x", {{"x", 1}}},
        {"letters outside ASCII ignore case",
         "\xC3\x89t\xC3\xA9 \xC3\xA9t\xC3\xA9",
         {{"\xC3\x89t\xC3\xA9", 2}}},
        {"no words", "  <br>  ", {}},
    };
    for (const BodyCase& c : cases) {
        Generator g;
        EXPECT_EQ(g.RunOnBody(c.body), c.rows) << c.name;
        EXPECT_TRUE(g.messages.shown.empty()) << c.name;
    }
}

// Pages as they are written today: scripts and styles in the body, punctuation around words,
// character references, letters of other languages.
TEST(KeyWordGenerator, CountsWhatAReaderSeesAsWords) {
    const std::vector<BodyCase> cases = {
        {"a dash between blanks is no word",
         "Country sourdough - a long loaf - dark rye - seeded spelt",
         {{"spelt", 1},
          {"sourdough", 1},
          {"seeded", 1},
          {"rye", 1},
          {"long", 1},
          {"loaf", 1},
          {"dark", 1},
          {"Country", 1},
          {"a", 1}}},
        {"script and style are no text",
         "<script>if (a) { x = 1; } // done\n$('#id').hide();</script><style>p { color: red }"
         "</style><p>Install the package</p>",
         {{"the", 1}, {"package", 1}, {"Install", 1}}},
        {"a script's markup-like text ends at its end tag only",
         "<script>for (i=0;i<n;i++) { s += '<b>'; }</script>after",
         {{"after", 1}}},
        {"noscript, template and comments are no text",
         "<noscript>enable scripts</noscript><template><p>row</p></template>"
         "<!-- note <script> -->shown",
         {{"shown", 1}}},
        {"punctuation at a word's ends is trimmed",
         "bread. (bread) bread, \"bread.\" Bread!",
         {{"bread", 5}}},
        {"punctuation inside a word stays",
         "e-mail don't 3.5 e-mail",
         {{"e-mail", 2}, {"don't", 1}, {"3.5", 1}}},
        {"pieces without a letter or digit are no words",
         "( . { # // = ); -- ... \xE2\x80\x94",
         {}},
        {"named and numeric references are decoded",
         "caf&eacute; Caf&#233; CAF&#xE9;",
         {{"caf\xC3\xA9", 3}}},
        {"a reference at a word's start or between two",
         "&eacute;t&eacute; &Eacute;T&Eacute;",
         {{"\xC3\xA9t\xC3\xA9", 2}}},
        {"a reference in an attribute joins no words",
         "word<a href=\"x?a=1&amp;b=2\" title='&eacute;'>link</a>",
         {{"word", 1}, {"link", 1}}},
        {"a no-break space separates",
         "one&nbsp;two\xC2\xA0three",
         {{"two", 1}, {"three", 1}, {"one", 1}}},
        {"an unknown reference stays as written",
         "R&D &unknown; Q&A",
         {{"unknown", 1}, {"R&D", 1}, {"Q&A", 1}}},
        {"letters of every language",
         "Stra\xC3\x9F"
         "e stra\xC3\x9F"
         "e \xE6\x9D\xB1\xE4\xBA\xAC \xE6\x9D\xB1\xE4\xBA\xAC\xE3\x80\x82",
         {{"\xE6\x9D\xB1\xE4\xBA\xAC", 2},
          {"Stra\xC3\x9F"
           "e",
           2}}},
        {"a combining mark stays with its letter",
         "cafe\xCC\x81. cafe\xCC\x81",
         {{"cafe\xCC\x81", 2}}},
    };
    for (const BodyCase& c : cases) {
        Generator g;
        EXPECT_EQ(g.RunOnBody(c.body), c.rows) << c.name;
        EXPECT_TRUE(g.messages.shown.empty()) << c.name;
    }
}

TEST(KeyWordGenerator, ReadsAWindows1252PageAsText) {
    Generator g;
    g.generator.Run(
        g.Page("<html><body><p>Caf\xE9 caf\xE9 Stra\xDF"
               "e</p></body></html>"));
    EXPECT_EQ(g.Counted_(), (std::vector<Counted>{{"Caf\xC3\xA9", 2},
                                                  {"Stra\xC3\x9F"
                                                   "e",
                                                   1}}));
}

TEST(KeyWordGenerator, NoiseWordsOfThePagesLanguage) {
    const std::string body = "Die Katze und der Hund und the cat";
    struct LanguageCase {
        std::string field;
        std::vector<Counted> rows;
    };
    // The user's list (here: "the") holds for every language, the shipped list of the page's
    // language besides it.
    const std::vector<LanguageCase> cases = {
        {"de", {{"Katze", 1}, {"Hund", 1}, {"cat", 1}}},
        {"de-AT", {{"Katze", 1}, {"Hund", 1}, {"cat", 1}}},
        {"en-us", {{"und", 2}, {"Katze", 1}, {"Hund", 1}, {"Die", 1}, {"der", 1}, {"cat", 1}}},
        {"", {{"und", 2}, {"Katze", 1}, {"Hund", 1}, {"Die", 1}, {"der", 1}, {"cat", 1}}},
        {"ja", {{"und", 2}, {"Katze", 1}, {"Hund", 1}, {"Die", 1}, {"der", 1}, {"cat", 1}}},
    };
    for (const LanguageCase& c : cases) {
        Generator g;
        g.Noise("the\r\n");
        g.generator.SetLanguage(c.field);
        EXPECT_EQ(g.RunOnBody(body), c.rows) << c.field;
    }

    // The home folder's own copy of a language's list takes the shipped one's place.
    Generator own;
    own.dir.Write("noise/de.txt", "katze\r\n");
    own.generator.SetLanguage("de");
    EXPECT_EQ(own.RunOnBody(body),
              (std::vector<Counted>{
                  {"und", 2}, {"the", 1}, {"Hund", 1}, {"Die", 1}, {"der", 1}, {"cat", 1}}));
    // Adding noise words writes the user's list only.
    own.generator.SetChecked(0, true);
    own.generator.SpeedButton3Click("");
    EXPECT_EQ(test::ReadFile(own.generator.NoiseWordFileName()), "und\r\n");
    EXPECT_EQ(test::ReadFile(own.dir.Path() / "noise/de.txt"), "katze\r\n");
}

TEST(KeyWordGenerator, ShipsANoiseWordListPerLanguage) {
    for (const char* language : {"de", "fr", "es", "it", "pt", "nl"}) {
        test::TempDir home;
        std::vector<std::string> words =
            LanguageNoiseWords::Load(home.Path().string() + "/", language);
        EXPECT_GE(words.size(), 80u) << language;
        for (const std::string& word : words) {
            EXPECT_EQ(WordRule::Trim(word), word) << language << ": " << word;
        }
    }
}

TEST(KeyWordGenerator, ProgressAndCancel) {
    class Progress : public RunProgress {
      public:
        bool Advance(std::size_t done, std::size_t total) override {
            EXPECT_LE(done, total);
            EXPECT_GE(done, last);
            last = done;
            ++steps;
            return steps < stopAt;
        }
        void Finish() override { ++finished; }
        std::size_t last = 0;
        int steps = 0;
        int stopAt = 1000;
        int finished = 0;
    };
    auto largePage = [](const std::string& word) {
        std::string body;
        for (int i = 0; i < 100000; ++i) {
            body += word + std::to_string(i % 50) + " <b>bold</b> ";
        }
        return "<body>" + body + "</body>";
    };
    Generator g;
    g.generator.SetBodyCheckLimit(1 << 30);
    Progress progress;
    g.generator.SetProgress(&progress);
    EXPECT_TRUE(g.generator.Run(g.Page(largePage("word"))));
    EXPECT_GT(progress.steps, 4);
    EXPECT_EQ(progress.finished, 1);
    const std::vector<Counted> finished = g.Counted_();
    ASSERT_FALSE(finished.empty());
    EXPECT_EQ(finished[0], (Counted{"bold", 100000}));

    // Cancelled in either half, the run keeps the list it had and says nothing.
    for (int stopAt : {2, progress.steps - 1}) {
        Progress cancelling;
        cancelling.stopAt = stopAt;
        g.generator.SetProgress(&cancelling);
        EXPECT_FALSE(g.generator.Run(g.Page(largePage("other"), "other.html")));
        EXPECT_EQ(g.Counted_(), finished);
        EXPECT_EQ(cancelling.finished, 1);
        EXPECT_TRUE(g.messages.shown.empty());
        EXPECT_FALSE(g.status.busyCursor);
    }
}

TEST(KeyWordGenerator, FindsTheBodySpan) {
    const std::vector<std::pair<std::string, std::vector<Counted>>> cases = {
        {"<html><BODY bgcolor=white>upper</BODY>after</html>", {{"upper", 1}}},
        {"<html><body>lower</body>after", {{"lower", 1}}},
        {"<html><frameset><noframes>framed</noframes></frameset>after", {{"framed", 1}}},
        {"<html><body>first</body><body>second</body>", {{"first", 1}}},
    };
    for (const auto& [html, rows] : cases) {
        Generator g;
        g.generator.Run(g.Page(html));
        EXPECT_EQ(g.Counted_(), rows) << html;
        EXPECT_TRUE(g.messages.shown.empty()) << html;
    }
}

TEST(KeyWordGenerator, BodyCheckLimitCutsWordsAndTags) {
    // "<body>" is six characters; the limit counts from its "<".
    const std::vector<std::tuple<int, std::string, std::vector<Counted>>> cases = {
        {10, "alphabet", {{"alph", 1}}},
        {14, "x <b class=\"long\">tail", {{"x", 1}}},
        {8, "\xC3\xA9\xC3\xA9\xC3\xA9", {{"\xC3\xA9\xC3\xA9", 1}}},  // characters, not bytes
        {6, "nothing", {}},
    };
    for (const auto& [limit, body, rows] : cases) {
        Generator g;
        g.generator.SetBodyCheckLimit(limit);
        g.generator.Run(g.Page("<body>" + body + "</body>"));
        EXPECT_EQ(g.Counted_(), rows) << body;
    }
}

TEST(KeyWordGenerator, ShorterSpanLowersTheLimitForLaterRuns) {
    Generator g;
    g.generator.SetBodyCheckLimit(1000);
    std::string shortPage = g.Page("<body>ab cd</body>", "short.html");
    g.generator.Run(shortPage);
    EXPECT_EQ(g.generator.BodyCheckLimit(), 18);  // "<body>ab cd" and "</body>"
    g.generator.Run(g.Page("<body>" + std::string(30, 'x') + " y</body>", "long.html"));
    EXPECT_EQ(g.Counted_(), (std::vector<Counted>{{std::string(12, 'x'), 1}}));
}

TEST(KeyWordGenerator, TopCountBoundsTheRows) {
    std::string thirty;
    for (int i = 0; i < 30; ++i) {
        thirty += "w" + std::to_string(i) + " ";
    }
    const std::vector<std::tuple<int, std::string, std::size_t>> cases = {
        {0, "a a b", 0}, {1, "a b b", 1}, {25, thirty, 25}, {40, thirty, 30}, {300, "x", 1},
    };
    for (const auto& [top, body, rows] : cases) {
        Generator g;
        g.generator.SetTopCount(top);
        g.RunOnBody(body);
        EXPECT_EQ(g.generator.Rows().size(), rows) << top;
    }
    Generator one;
    one.generator.SetTopCount(1);
    EXPECT_EQ(one.RunOnBody("a b b"), (std::vector<Counted>{{"b", 2}}));
}

TEST(KeyWordGenerator, PercentagesAreOfTheWordsLeftAfterFiltering) {
    Generator g;
    g.Noise("the\r\n");
    std::string body = "key key key key ";
    for (int i = 0; i < 44; ++i) {
        body += "w" + std::to_string(i) + " the ";
    }
    g.RunOnBody(body);
    ASSERT_FALSE(g.generator.Rows().empty());
    const KeyWordRow& top = g.generator.Rows().front();
    EXPECT_EQ(top.word, "key");
    EXPECT_EQ(g.generator.CountedWordTotal(), 48);
    EXPECT_EQ(top.Occurences(), "4");
    EXPECT_EQ(top.PercentOfTotal(), "8.333");
    EXPECT_EQ(top.PercentOfTotal(','), "8,333");
    EXPECT_EQ((KeyWordRow{"x", 0, 0, false}.PercentOfTotal()), "");
}

TEST(KeyWordGenerator, NoiseWordsAreWholeEntriesWithoutRegardToCase) {
    const std::vector<std::tuple<const char*, std::string, std::string, std::vector<Counted>>>
        cases = {
            {"case ignored", "THE\r\nand\n", "The cat and the dog", {{"dog", 1}, {"cat", 1}}},
            {"a trailing blank is part of the entry",
             "the \r\n",
             "the cat",
             {{"the", 1}, {"cat", 1}}},
            {"an empty line removes empty words", "a\r\n\r\nb\r\n", ", ,x a", {{"x", 1}}},
            {"last line without a break", "cat", "cat dog", {{"dog", 1}}},
            {"lone CR ends a line", "cat\rdog", "cat dog eel", {{"eel", 1}}},
            {"missing file is an empty list", "", "cat", {{"cat", 1}}},
        };
    for (const auto& [name, noise, body, rows] : cases) {
        Generator g;
        if (!noise.empty()) {
            g.Noise(noise);
        }
        EXPECT_EQ(g.RunOnBody(body), rows) << name;
        EXPECT_TRUE(g.messages.shown.empty()) << name;
    }
}

TEST(KeyWordGenerator, ReportsEachFailureOfARun) {
    Generator g;
    g.RunOnBody("kept words kept");
    const std::vector<Counted> earlier = g.Counted_();
    std::string missing = (g.dir.Path() / "gone.html").string();
    std::string folder = (g.dir.Path() / "folder.html").string();
    std::filesystem::create_directory(folder);
    std::string manyAttributes = "<body>a <p";
    for (int i = 0; i < 64; ++i) {
        manyAttributes += " a" + std::to_string(i) + "=1";
    }
    manyAttributes += ">b</body>";

    struct FailureCase {
        std::string file;
        MessagePort::Box box;
        std::string message;
        bool keepsRows;
    };
    const std::vector<FailureCase> cases = {
        {"", MessagePort::Box::Plain,
         "ENoFile\rERROR: Cannot Load Active File\rFile Name Missing\r1", true},
        {missing, MessagePort::Box::Plain,
         "ENoFile\rERROR: Cannot Load Active File: " + missing + " because it no longer exists!\r1",
         true},
        {folder, MessagePort::Box::Error,
         "ERROR: Cannot Load Active File: " + folder + "\r\nCannot open file " + folder, false},
        {g.Page("<html>no body</html>", "nobody.html"), MessagePort::Box::Plain,
         KeyWordGenerator::kNoBody, false},
        {g.Page(manyAttributes, "attrs.html"), MessagePort::Box::Plain,
         "EOutOfMemory\rOut of memory\r2", true},
    };
    for (const FailureCase& c : cases) {
        g.RunOnBody("kept words kept");
        g.generator.SetBodyCheckLimit(5000);  // the run above lowered it
        g.messages.shown.clear();
        g.generator.Run(c.file);
        ASSERT_EQ(g.messages.shown.size(), 1u) << c.message;
        EXPECT_EQ(g.messages.shown[0].box, c.box);
        EXPECT_EQ(g.messages.shown[0].outcome, MessagePort::Outcome::Failure);
        EXPECT_EQ(g.messages.shown[0].text, c.message);
        EXPECT_EQ(g.Counted_(), c.keepsRows ? earlier : std::vector<Counted>{}) << c.message;
        EXPECT_FALSE(g.status.busyCursor);
        EXPECT_EQ(g.generator.DocumentFileName(), c.file);
    }

    // No end tag: an empty list, without a message.
    g.messages.shown.clear();
    g.generator.Run(g.Page("<body>never ended", "open.html"));
    EXPECT_TRUE(g.messages.shown.empty());
    EXPECT_TRUE(g.generator.Rows().empty());
}

TEST(KeyWordGenerator, RunAfterAParserFailureStartsAfresh) {
    Generator g;
    std::string body = "<body><p";
    for (int i = 0; i < 64; ++i) {
        body += " a" + std::to_string(i) + "=\"1\"";
    }
    body += " title=\"open>";
    g.generator.Run(g.Page(body + "</body>", "bad.html"));
    ASSERT_EQ(g.messages.Texts(), std::vector<std::string>{"EOutOfMemory\rOut of memory\r2"});
    g.generator.Run(g.Page("<body>fresh words</body>", "good.html"));
    EXPECT_EQ(g.Counted_(), (std::vector<Counted>{{"words", 1}, {"fresh", 1}}));
}

TEST(KeyWordGenerator, UnreadableNoiseFileStopsTheRunAndIsTriedAgain) {
    Generator g;
    std::filesystem::create_directory(g.dir.Path() / NoiseWordFile::kFileName);
    g.RunOnBody("cat");
    std::string noiseFile = g.generator.NoiseWordFileName();
    EXPECT_EQ(g.messages.Texts(),
              std::vector<std::string>{"EFileOpen\rCannot open file " + noiseFile + "\r0"});
    EXPECT_TRUE(g.generator.Rows().empty());

    std::filesystem::remove(noiseFile);
    g.Noise("cat\r\n");
    EXPECT_EQ(g.RunOnBody("cat dog"), (std::vector<Counted>{{"dog", 1}}));
}

TEST(KeyWordGenerator, AddCheckedToKeyWords) {
    Generator g;
    g.RunOnBody("a a a b b c");
    g.generator.SetChecked(0, true);  // a
    g.generator.SetChecked(2, true);  // c
    g.generator.SpeedButton1Click();
    EXPECT_EQ(g.generator.ChosenKeyWords(), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(g.Counted_(), (std::vector<Counted>{{"b", 2}}));

    // Refresh leaves out the chosen words; choosing one again adds nothing.
    g.generator.SpeedButton2Click();
    EXPECT_EQ(g.Counted_(), (std::vector<Counted>{{"b", 2}}));
    g.generator.SpeedButton1Click();  // nothing checked
    EXPECT_EQ(g.messages.Texts(),
              (std::vector<std::string>{"Key Words words were added to the keywords tag",
                                        "No words were added to the keywords tag"}));

    Generator again;
    EXPECT_EQ(again.RunOnBody("x y"), (std::vector<Counted>{{"y", 1}, {"x", 1}}));
    again.generator.SetChecked(1, true);
    again.generator.SpeedButton1Click();
    // "X" is the same word as the chosen "x": no addition.
    again.RunOnBody("X y");
    EXPECT_EQ(again.Counted_(), (std::vector<Counted>{{"y", 1}}));
}

TEST(KeyWordGenerator, AddCheckedToNoiseWordsWritesTheFile) {
    Generator g;
    g.Noise("old\r\n");
    g.RunOnBody("cat dog dog eel");
    g.generator.SetChecked(0, true);                             // dog
    EXPECT_EQ(g.generator.SpeedButton3Click(""), std::nullopt);  // an empty memo stays empty
    EXPECT_EQ(test::ReadFile(g.generator.NoiseWordFileName()), "old\r\ndog\r\n");
    g.generator.SetChecked(0, true);  // eel
    EXPECT_EQ(g.generator.SpeedButton3Click("old\n"),
              (std::vector<std::string>{"old", "dog", "eel"}));
    EXPECT_EQ(g.generator.SpeedButton3Click(" \n"), std::nullopt);
    EXPECT_EQ(g.messages.Texts(), (std::vector<std::string>{
                                      "Words were added to the Noise Words list.",
                                      "Words were added to the Noise Words list.",
                                      "No words were added to the Noise Words list.",
                                  }));
    g.generator.SpeedButton2Click();
    EXPECT_EQ(g.Counted_(), (std::vector<Counted>{{"cat", 1}}));
}

TEST(KeyWordGenerator, NoiseFileThatCannotBeWrittenKeepsTheAdditions) {
    test::TempDir dir;
    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    std::string folder = (dir.Path() / "no-such-folder").string() + "/";
    KeyWordGenerator generator(folder, messages, status, nullptr, nullptr);
    generator.SetBodyCheckLimit(100);
    generator.Run(dir.Write("doc.html", "<body>cat</body>").string());
    generator.SetChecked(0, true);
    generator.SpeedButton3Click("");
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Cannot create file " + folder + NoiseWordFile::kFileName});
    EXPECT_EQ(messages.shown[0].box, MessagePort::Box::Error);
    EXPECT_EQ(generator.NoiseWords(), std::vector<std::string>{"cat"});
}

TEST(KeyWordGenerator, AddingNoiseWordsNeverOverwritesAnUnreadFile) {
    Generator g;
    g.RunOnBody("cat");
    std::filesystem::create_directory(g.generator.NoiseWordFileName());
    g.messages.shown.clear();
    g.generator.SetChecked(0, true);
    g.generator.SpeedButton3Click("");
    EXPECT_EQ(g.messages.Texts(),
              std::vector<std::string>{"Cannot open file " + g.generator.NoiseWordFileName()});
    EXPECT_TRUE(std::filesystem::is_directory(g.generator.NoiseWordFileName()));
}

TEST(KeyWordGenerator, LoadAndSaveNoiseWords) {
    Generator g;
    g.Noise("a\r\n\r\nb ");
    const std::vector<std::string> stored = {"a", "", "b "};
    EXPECT_EQ(g.generator.SpeedButton4Click(false), stored);
    EXPECT_TRUE(g.messages.questions.empty());

    g.messages.answers = {false, true};
    EXPECT_EQ(g.generator.SpeedButton4Click(true), std::nullopt);
    EXPECT_EQ(g.generator.SpeedButton4Click(true), stored);
    EXPECT_EQ(
        g.messages.questions,
        std::vector<std::string>(
            2, "Noise Words have been modified.\rOverwrite these values with the saved ones?"));
    // The memo text shows every entry, the empty one and the last one included.
    EXPECT_EQ(KeyWordGenerator::MemoLines(KeyWordGenerator::MemoText(stored)), stored);

    EXPECT_TRUE(g.generator.SpeedButton5Click({"x", "y"}));
    EXPECT_EQ(test::ReadFile(g.generator.NoiseWordFileName()), "x\r\ny\r\n");
    EXPECT_TRUE(g.generator.SpeedButton5Click(KeyWordGenerator::MemoLines("")));
    EXPECT_EQ(test::ReadFile(g.generator.NoiseWordFileName()), "");
    EXPECT_TRUE(g.messages.shown.empty());
}

TEST(KeyWordGenerator, SaveCreatesAMissingNoiseFile) {
    Generator g;
    EXPECT_EQ(g.generator.SpeedButton4Click(false), std::vector<std::string>{});
    EXPECT_TRUE(g.generator.SpeedButton5Click({"the"}));
    EXPECT_EQ(test::ReadFile(g.generator.NoiseWordFileName()), "the\r\n");
}

TEST(KeyWordGenerator, StoredTopCount) {
    const std::vector<std::tuple<const char*, int>> cases = {
        {"", 25}, {"10", 10}, {"0", 0}, {"300", 300}, {"301", 300}, {"-5", 0}, {"99999", 300},
    };
    for (const auto& [stored, top] : cases) {
        Generator g;
        g.settings.values[{KeyWordGenerator::kSettingsKey, KeyWordGenerator::kTopCountValue}] =
            stored;
        g.generator.FormCreate();
        EXPECT_EQ(g.generator.TopCount(), top) << stored;
    }
    Generator bad;
    bad.settings.values[{KeyWordGenerator::kSettingsKey, KeyWordGenerator::kTopCountValue}] = "x";
    EXPECT_THROW(bad.generator.FormCreate(), EConvertError);

    // Closing stores the spin control's text only when the value exists.
    Generator none;
    none.generator.FormClose("12");
    EXPECT_TRUE(none.settings.values.empty());
    EXPECT_EQ(none.settings.keys.count(KeyWordGenerator::kSettingsKey), 1u);
    Generator some;
    some.settings.values[{KeyWordGenerator::kSettingsKey, KeyWordGenerator::kTopCountValue}] = "5";
    some.generator.FormClose("12");
    EXPECT_EQ(
        (some.settings.values[{KeyWordGenerator::kSettingsKey, KeyWordGenerator::kTopCountValue}]),
        "12");
}

TEST(KeyWordGenerator, WindowTexts) {
    Generator g;
    g.generator.SetTopCount(0);
    std::string page = g.Page("<body>word</body>");
    g.generator.Run(page);
    EXPECT_EQ(g.generator.FormShow(), "Zendal Key word Generator - " + page);
    EXPECT_EQ(g.messages.Texts(), std::vector<std::string>{KeyWordGenerator::kNoUniqueWords});
    EXPECT_EQ(g.messages.shown[0].outcome, MessagePort::Outcome::Info);
    EXPECT_EQ(g.generator.Edit1Change(7), "These are the top 7 word occurences in the active file");
    EXPECT_EQ(g.generator.Edit1Change(500),
              "These are the top 300 word occurences in the active file");
}

}  // namespace
}  // namespace zendal
