#include "head/HeadSection.h"

#include "app/EInvalidHTMLFile.h"
#include "app/Wizard.h"
#include "head/HeadText.h"

namespace zendal {

std::size_t HeadSection::Length(std::string_view text, const std::string& fileName) {
    std::size_t bodyStart = HeadText::Find(text, "<BODY");
    if (bodyStart == HeadText::npos) {
        bodyStart = HeadText::Find(text, "<FRAMESET");
    }
    if (bodyStart == HeadText::npos) {
        throw EInvalidHTMLFile(fileName, "Missing '<BODY> or <FRAMESET>' Tag");
    }
    // The end tag must lie wholly before the body start; being a tag of its own, it cannot
    // overlap it, so starting before it is enough.
    std::size_t headEnd = HeadText::Find(text.substr(0, bodyStart), "</HEAD>");
    if (headEnd == HeadText::npos) {
        throw EInvalidHTMLFile(fileName, "Missing '</HEAD>' Tag");
    }
    return headEnd + 7;
}

std::size_t HeadSection::SearchedLength(std::string_view text) {
    std::size_t body = HeadText::Find(text, "<BODY");
    if (body != HeadText::npos) {
        return body + 5;
    }
    std::size_t frameset = HeadText::Find(text, "<FRAMESET");
    return frameset != HeadText::npos ? frameset + 9 : text.size();
}

void HeadSection::ExtractHeadSection(Wizard& wizard) {
    LineBuffer& buffer = wizard.htmlrichedit;
    std::size_t length = Length(buffer.WholeText(), wizard.activeDocument);
    std::string section = buffer.WholeText().substr(0, length);
    buffer.Clear();
    buffer.SetText(section);
}

}  // namespace zendal
