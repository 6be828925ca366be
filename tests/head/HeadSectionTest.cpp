#include <gtest/gtest.h>

#include "head/EInvalidHTMLFile.h"
#include "head/HeadHarness.h"
#include "head/HeadSection.h"

namespace zendal::test {
namespace {

struct SectionCase {
    const char* what;
    const char* text;
    const char* section;  // nullptr: fails
    const char* reason;
};

const SectionCase kSectionCases[] = {
    {"body after the head", "<html><head></head>\r\n<body></body>", "<html><head></head>", nullptr},
    {"text before the html tag stays", "<!DOCTYPE html>\r\n<html><head></HEAD><BODY>",
     "<!DOCTYPE html>\r\n<html><head></HEAD>", nullptr},
    {"frameset document", "<head></head><frameset></frameset>", "<head></head>", nullptr},
    {"body wins over an earlier frameset", "<head></head><frameset></frameset><body>",
     "<head></head>", nullptr},
    {"first of two head end tags", "<head></head>x</head><body>", "<head></head>", nullptr},
    {"no head start tag", "<title>t</title></head><body>", "<title>t</title></head>", nullptr},
    {"longer tag name counts as body start", "<head></head><bodyx>", "<head></head>", nullptr},
    {"end tag just before the body", "</head><body>", "</head>", nullptr},
    {"no body and no frameset", "<head></head>", nullptr, "Missing '<BODY> or <FRAMESET>' Tag"},
    {"body written by a script in the head",
     "<head><script>document.write('<body>')</script></head><body>", nullptr,
     "Missing '</HEAD>' Tag"},
    {"head end after the body", "<head><body></head>", nullptr, "Missing '</HEAD>' Tag"},
};

TEST(HeadSection, CutsTheBufferToTheHeadSection) {
    for (const SectionCase& c : kSectionCases) {
        SCOPED_TRACE(c.what);
        HeadHarness h;
        h.OpenText("/docs/page.html", c.text);
        h.buffer.AppendText(c.text);
        const std::string before = h.buffer.WholeText();
        if (c.section != nullptr) {
            HeadSection::ExtractHeadSection(h.buffer, h.wizard.activeDocument);
            EXPECT_EQ(h.buffer.WholeText(), std::string(c.section) + "\r\n");
            EXPECT_EQ(HeadSection::Length(c.text, "x"), std::string(c.section).size());
        } else {
            try {
                HeadSection::ExtractHeadSection(h.buffer, h.wizard.activeDocument);
                ADD_FAILURE() << "no failure";
            } catch (const EInvalidHTMLFile& e) {
                EXPECT_EQ(e.Message(), std::string("The File '/docs/page.html' is not a valid "
                                                   "HTML 3.2 File\r(") +
                                           c.reason + ")");
            }
            EXPECT_EQ(h.buffer.WholeText(), before);
        }
    }
}

}  // namespace
}  // namespace zendal::test
