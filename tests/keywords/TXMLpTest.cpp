#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "keywords/EventRecorder.h"

using zendal::AttVal;
using zendal::EOutOfMemory;
using zendal::TXMLp;
using zendal::test::EventRecorder;
using zendal::test::ParserOptions;

namespace {

ParserOptions Flushing() {
    ParserOptions options;
    options.flushOnEOL = true;
    return options;
}

ParserOptions DroppingLineFeeds() {
    ParserOptions options;
    options.preserveWhiteSpace = false;
    return options;
}

ParserOptions EntitiesAs(const std::string& value) {
    ParserOptions options;
    options.entityValue = value;
    return options;
}

ParserOptions NameChars(const std::string& chars) {
    ParserOptions options;
    options.extraNameChars = chars;
    return options;
}

ParserOptions SpaceChars(const std::string& chars) {
    ParserOptions options;
    options.extraSpaceChars = chars;
    return options;
}

struct TokenCase {
    const char* what;
    std::string input;
    ParserOptions options;
    std::vector<std::string> events;
};

// FlushOnEOL false and PreserveWhiteSpace true unless a row says otherwise; every input is
// followed by EndOfInput(true).
const std::vector<TokenCase>& TokenCases() {
    static const std::vector<TokenCase> cases = {
        // Elements and attributes.
        {"element with text", "<p>Hello</p>", {}, {"begin p", "text Hello", "end p"}},
        {"empty element", "<br/>", {}, {"empty br"}},
        {"empty element, blank before slash", "<br />", {}, {"empty br"}},
        {"slash not right before >", "<br / >", {}, {"begin br"}},
        {"quoted and unquoted values",
         "<a href='x.html' target=_top>",
         {},
         {"begin a [href=x.html] [target=_top]"}},
        {"attribute without value", "<input checked>", {}, {"begin input [checked=]"}},
        {"attribute without value before another",
         "<input checked name=\"q\">",
         {},
         {"begin input [checked=] [name=q]"}},
        {"unquoted value before />", "<a href=x/>", {}, {"empty a [href=x]"}},
        {"slash inside unquoted value", "<a href=x/y>", {}, {"begin a [href=x/y]"}},
        {"name keeps its case", "<DIV Class=Top></Div>", {}, {"begin DIV [Class=Top]", "end Div"}},
        {"quotes of the other kind inside a value",
         "<a title=\"it's\" alt='say \"hi\"'>",
         {},
         {"begin a [title=it's] [alt=say \"hi\"]"}},
        {"white space around =", "<a b = c d\t=\t'e'>", {}, {"begin a [b=c] [d=e]"}},
        {"= without value before >", "<a b=>", {}, {"begin a"}},
        {"slash after attribute name", "<a b/>", {}, {"empty a [b=]"}},
        {"line break inside a tag", "<p\nclass=x\n>", {}, {"begin p [class=x]"}},
        {"name ended by another character", "<h1:x y>", {}, {"begin h1 [x=] [y=]"}},
        {"extra name characters", "<my-tag a:b=1>", NameChars("-:"), {"begin my-tag [a:b=1]"}},
        {"without extra name characters", "<my-tag>", {}, {"begin my [tag=]"}},
        {"extra space characters", "<a|b|c=d|>", SpaceChars("|"), {"begin a [b=] [c=d]"}},

        // "<" that does not start markup.
        {"less-than before a blank", "a < b", {}, {"text a ", "text < b"}},
        {"less-than before =", "x<=y", {}, {"text x", "text <=y"}},
        {"less-than before a digit", "x<5 y>z", {}, {"text x", "begin 5 [y=]", "text z"}},
        {"script content gets no special treatment",
         "if (a<b) x>y",
         {},
         {"text if (a", "begin b [x=]", "text y"}},
        {"greater-than in text", "a>b", {}, {"text a>b"}},
        {"two less-thans", "<<p>", {}, {"begin  [p=]"}},

        // End tags.
        {"end tag with rest skipped", "</p class=x>y", {}, {"end p", "text y"}},
        {"end tag without name", "</ p>q", {}, {"end ", "text q"}},

        // Comments, declarations, instructions, sections.
        {"comment", "<!-- note -->", {}, {"comment  note "}},
        {"empty comment", "<!-->", {}, {"comment "}},
        {"comment of three dashes", "<!--->", {}, {"comment "}},
        {"dashes inside a comment", "<!-- a -- b > c -->", {}, {"comment  a -- b > c "}},
        {"document type declaration",
         "<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 3.2//EN'>",
         {},
         {"meta DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 3.2//EN'"}},
        {"> inside quotes of a declaration", "<!X '>' \">\" [>]>", {}, {"meta X '>' \">\" [>]"}},
        {"declaration after one dash", "<!-x>", {}, {"meta -x"}},
        {"> right after <! belongs to the declaration", "<!>x>", {}, {"meta >x"}},
        {"processing instruction", "<?xml version='1.0'?>", {}, {"pi xml version='1.0'"}},
        {"> inside an instruction", "<?a>b?>", {}, {"pi a>b"}},
        {"empty instruction", "<?>", {}, {"pi "}},
        {"special section", "<![CDATA[a<b]]>", {}, {"section CDATA a<b"}},
        {"special section with blanks and brackets",
         "<![ CDATA [x]y]]z]]>",
         {},
         {"section CDATA x]y]]z"}},
        {"empty special section", "<![CDATA[]]>", {}, {"section CDATA "}},
        {"text around markup is flushed before it",
         "a<!--c-->b<?p?>c<!d>e<![X[s]]>f",
         {},
         {"text a", "comment c", "text b", "pi p", "text c", "meta d", "text e", "section X s",
          "text f"}},

        // Entity references.
        {"entity without handler",
         "Tom &amp; Jerry",
         {},
         {"text Tom ", "entity amp", "text &amp; Jerry"}},
        {"entity replaced by a blank",
         "Tom &amp; Jerry",
         EntitiesAs(" "),
         {"text Tom ", "entity amp", "text   Jerry"}},
        {"entity ended by a blank", "AT&T rocks", {}, {"text AT", "entity T", "text &T rocks"}},
        {"numeric reference has an empty name",
         "&#160;",
         EntitiesAs(" "),
         {"entity ", "text  #160;"}},
        {"entity ended by <", "&nbsp<b>x", {}, {"entity nbsp", "text &nbsp", "begin b", "text x"}},
        {"entity ended by &", "&a&b;c", {}, {"entity a", "text &a", "entity b", "text &b;c"}},
        {"run of bare ampersands",
         "a&&&b",
         {},
         {"text a", "entity ", "text &", "entity ", "text &"}},
        {"run of bare ampersands replaced by nothing",
         "&&&;",
         EntitiesAs(""),
         {"entity ", "entity ", "entity "}},
        {"run of bare ampersands replaced",
         "&&&",
         EntitiesAs("x"),
         {"entity ", "text x", "entity ", "text x"}},
        {"entity ended by a line feed", "&a\nb", Flushing(), {"entity a", "text &a\n", "text b"}},
        {"entity in a double-quoted value",
         "<a href=\"x?a=1&b=2&amp;c\">",
         EntitiesAs("+"),
         {"entity b", "entity amp", "begin a [href=x?a=1+=2+c]"}},
        {"entity ended by the closing quote",
         "<a title=\"Q&A\" x='AT&T'>t",
         {},
         {"entity A", "entity T", "begin a [title=Q&A] [x=AT&T]", "text t"}},
        {"entity ended by > in an unquoted value",
         "<a href=x&y>z",
         {},
         {"entity y", "begin a [href=x&y]", "text z"}},
        {"entity ended by a blank in an unquoted value",
         "<a b=&c d=e>",
         {},
         {"entity c", "begin a [b=&c] [d=e]"}},
        {"entity starting a value", "<a b=&c;/>", EntitiesAs("v"), {"entity c", "empty a [b=v]"}},

        // Line feeds.
        {"line feed ends a text event", "one\ntwo", Flushing(), {"text one\n", "text two"}},
        {"two line feeds", "a\n\nb", Flushing(), {"text a\n", "text \n", "text b"}},
        {"line feeds kept in one text", "one\ntwo", {}, {"text one\ntwo"}},
        {"line feeds around an element's text dropped",
         "<p>\nHello\n</p>",
         DroppingLineFeeds(),
         {"begin p", "text Hello", "end p"}},
        {"line feeds around an element's text kept",
         "<p>\nHello\n</p>",
         {},
         {"begin p", "text \nHello\n", "end p"}},
        {"all line feeds after a start tag dropped",
         "<b>\n\n\nx",
         DroppingLineFeeds(),
         {"begin b", "text x"}},
        {"carriage return stops the dropping",
         "<b>\r\nx\r\n</b>",
         DroppingLineFeeds(),
         {"begin b", "text \r\nx\r", "end b"}},
        {"line feed after an end tag stays", "</b>\nx", DroppingLineFeeds(), {"end b", "text \nx"}},
        {"line feed before a start tag stays",
         "a\n<b>",
         DroppingLineFeeds(),
         {"text a\n", "begin b"}},
        {"line feed before < and a blank", "a\n< b", Flushing(), {"text a\n", "text < b"}},
        {"line feeds after comment, declaration and instruction dropped",
         "<!--c-->\n<!d>\n<?p?>\nx",
         DroppingLineFeeds(),
         {"comment c", "meta d", "pi p", "text x"}},
        {"line feed after a special section stays",
         "<![X[s]]>\nx",
         DroppingLineFeeds(),
         {"section X s", "text \nx"}},

        // The end of the input.
        {"open tag dropped", "a<b c='d", {}, {"text a"}},
        {"open entity dropped", "x &amp", {}, {"text x "}},
        {"open comment dropped", "a<!-- b", {}, {"text a"}},
        {"open special section dropped", "a<![CDATA[b", {}, {"text a"}},
        {"trailing less-than dropped", "a<", {}, {"text a"}},
    };
    return cases;
}

TEST(TXMLp, TokensOfEachCase) {
    for (const TokenCase& row : TokenCases()) {
        EXPECT_EQ(EventRecorder::Run(row.options, row.input), row.events) << row.what;
    }
}

TEST(TXMLp, CuttingAnyCaseInTwoGivesTheSameEvents) {
    for (const TokenCase& row : TokenCases()) {
        for (std::size_t cut = 0; cut <= row.input.size(); ++cut) {
            EXPECT_EQ(EventRecorder::Run(row.options, row.input, {cut}), row.events)
                << row.what << ", cut at " << cut;
        }
    }
}

std::string TagWithAttributes(int count) {
    std::string tag = "<p";
    for (int i = 0; i < count; ++i) {
        tag += " a" + std::to_string(i) + "=" + std::to_string(i);
    }
    return tag + ">";
}

TEST(TXMLp, SixtyThreeAttributesFitAndASixtyFourthFails) {
    auto events = EventRecorder::Run({}, TagWithAttributes(AttVal::kMaxPairs));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0].ends_with("[a61=61] [a62=62]"));
    EXPECT_EQ(EventRecorder::Run({}, TagWithAttributes(AttVal::kMaxPairs + 1)),
              std::vector<std::string>{"failure Out of memory"});
}

TEST(TXMLp, TheSixtyFourthAttributeFailsWithOutOfMemory) {
    for (const std::string& last : {std::string(" a63=63>"), std::string(" a63>"),
                                    std::string(" a63='x' >"), std::string(" a63 b>")}) {
        std::string tag = TagWithAttributes(AttVal::kMaxPairs);
        tag.pop_back();
        tag += last + "after";
        EventRecorder recorder;
        try {
            recorder.Parse(tag);
            ADD_FAILURE() << "no failure for" << last;
        } catch (const EOutOfMemory& e) {
            EXPECT_STREQ(e.what(), "Out of memory");
        }
        // The tag stays open: what followed the failing byte was not read, and ending the
        // input drops the tag.
        recorder.EndOfInput(true);
        EXPECT_TRUE(recorder.events.empty()) << last;
        recorder.Parse("<br/>x");
        recorder.EndOfInput(true);
        EXPECT_EQ(recorder.events, (std::vector<std::string>{"empty br", "text x"})) << last;
    }
}

TEST(TXMLp, AByteZeroEndsTheCall) {
    EventRecorder recorder;
    recorder.Parse(std::string("ab\0<p>cd", 8));
    recorder.EndOfInput(true);
    EXPECT_EQ(recorder.events, std::vector<std::string>{"text ab"});

    // The next call goes on from where the byte 0 stopped.
    EventRecorder split;
    split.Parse(std::string("<p\0>lost", 8));
    split.Parse(">x");
    split.EndOfInput(true);
    EXPECT_EQ(split.events, (std::vector<std::string>{"begin p", "text x"}));
}

TEST(TXMLp, TextAfterTheLastMarkupNeedsEndOfInput) {
    EventRecorder recorder;
    recorder.Feed("<p>tail", {}, false);
    EXPECT_EQ(recorder.events, std::vector<std::string>{"begin p"});
    recorder.EndOfInput(false);
    EXPECT_EQ(recorder.events, std::vector<std::string>{"begin p"});
    recorder.EndOfInput(true);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"begin p", "text tail"}));
}

TEST(TXMLp, EndOfInputInsideATagDropsItAndStartsAfresh) {
    EventRecorder recorder;
    recorder.Parse("x<a href='y");
    recorder.EndOfInput(true);
    recorder.Parse("'>z");  // text again: the quote and the ">" are no longer in a tag
    recorder.EndOfInput(true);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"text x", "text '>z"}));
}

TEST(TXMLp, AHandlerMayEndTheInput) {
    EventRecorder recorder;
    recorder.OnEndElement = [&](TXMLp& sender, std::string name) {
        recorder.events.push_back("end " + name);
        if (name == "body") {
            sender.EndOfInput(true);
        }
    };
    recorder.Feed("<body>a</body>b");
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"begin body", "text a", "end body", "text b"}));

    // Text handed to a handler that ends the input is not delivered a second time.
    EventRecorder stopper(Flushing());
    stopper.OnText = [&](TXMLp& sender, std::string text) {
        stopper.events.push_back("text " + text);
        sender.EndOfInput(true);
    };
    stopper.Feed("one\ntwo\nx");
    EXPECT_EQ(stopper.events, (std::vector<std::string>{"text one\n", "text two\n", "text x"}));

    // Ending the input at a reference inside a run of bare ampersands drops its value.
    EventRecorder ender;
    int references = 0;
    ender.OnEvalEntity = [&](TXMLp& sender, std::string, std::string&) {
        if (++references == 2) {
            sender.EndOfInput(true);
        }
    };
    ender.Feed("a&&&&b");
    EXPECT_EQ(ender.events, (std::vector<std::string>{"text a", "entity ", "text &", "entity ",
                                                      "entity ", "text &"}));
}

TEST(TXMLp, AHandlerMayChangeTheEntityValue) {
    EventRecorder recorder;
    recorder.OnEvalEntity = [](TXMLp&, std::string name, std::string& value) {
        EXPECT_EQ(value, "&" + name + (name == "lt" ? ";" : ""));
        value = name == "lt" ? "<" : "?";
    };
    recorder.Feed("a&lt;b&x c");
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"text a", "entity lt", "text <b", "entity x", "text ? c"}));
}

TEST(TXMLp, AnErrorOfAHandlerPassesOut) {
    EventRecorder recorder;
    recorder.OnBeginElement = [](TXMLp&, std::string) { throw std::runtime_error("stop"); };
    EXPECT_THROW(recorder.Parse("a<p>b"), std::runtime_error);
    recorder.EndOfInput(true);
    recorder.OnBeginElement = nullptr;
    recorder.Feed("<q>c");
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"text a", "text c"}));
}

TEST(TXMLp, ParseFromWithinAnEventIsRefused) {
    EventRecorder recorder;
    recorder.OnText = [](TXMLp& sender, std::string) { sender.Parse("<p>"); };
    EXPECT_THROW(recorder.Feed("a<b>"), std::logic_error);

    // Also from an event that ending the input raises.
    EventRecorder ending;
    ending.OnText = [](TXMLp& sender, std::string) { sender.Parse("<p>"); };
    ending.Parse("tail");
    EXPECT_THROW(ending.EndOfInput(true), std::logic_error);
}

TEST(TXMLp, UnboundEventsAreSkipped) {
    TXMLp parser;
    parser.Parse("<p a=1>x &amp; y<!--c--><?p?><!d><![X[s]]></p><br/>");
    parser.EndOfInput(true);
    EXPECT_EQ(parser.CurrentInput().substr(0, 3), "<p ");
}

TEST(TXMLp, PropertiesStartAtTheirDefaults) {
    TXMLp parser;
    EXPECT_TRUE(parser.FlushOnEOL());
    EXPECT_FALSE(parser.PreserveWhiteSpace());
    EXPECT_EQ(parser.ExtraNameChars(), "");
    EXPECT_EQ(parser.ExtraSpaceChars(), "");
}

TEST(TXMLp, CloneFromComponentCopiesPropertiesAndHandlers) {
    EventRecorder source(ParserOptions{.flushOnEOL = false,
                                       .preserveWhiteSpace = true,
                                       .entityValue = "E",
                                       .extraNameChars = "-",
                                       .extraSpaceChars = "|"});
    TXMLp copy;
    copy.CloneFromComponent(source);
    EXPECT_FALSE(copy.FlushOnEOL());
    EXPECT_TRUE(copy.PreserveWhiteSpace());
    EXPECT_EQ(copy.ExtraNameChars(), "-");
    EXPECT_EQ(copy.ExtraSpaceChars(), "|");

    // The handlers write into the source's list; the entity handler sets "E".
    copy.Parse("<a-b|c>&x;\ny");
    copy.EndOfInput(true);
    EXPECT_EQ(source.events, (std::vector<std::string>{"begin a-b", "text E\ny"}));
}

}  // namespace
