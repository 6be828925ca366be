#include "head/HeadSection.h"

#include "base/AsciiText.h"
#include "base/LineBuffer.h"
#include "head/EInvalidHTMLFile.h"

namespace zendal {

std::size_t HeadSection::Length(std::string_view text, const std::string& fileName) {
    std::size_t bodyStart = AsciiText::Find(text, "<BODY");
    if (bodyStart == AsciiText::npos) {
        bodyStart = AsciiText::Find(text, "<FRAMESET");
    }
    if (bodyStart == AsciiText::npos) {
        throw EInvalidHTMLFile(fileName, "Missing '<BODY> or <FRAMESET>' Tag");
    }
    // The end tag must lie wholly before the body start; being a tag of its own, it cannot
    // overlap it, so starting before it is enough.
    std::size_t headEnd = AsciiText::Find(text.substr(0, bodyStart), "</HEAD>");
    if (headEnd == AsciiText::npos) {
        throw EInvalidHTMLFile(fileName, "Missing '</HEAD>' Tag");
    }
    return headEnd + 7;
}

std::size_t HeadSection::SearchedLength(std::string_view text) {
    std::size_t body = AsciiText::Find(text, "<BODY");
    if (body != AsciiText::npos) {
        return body + 5;
    }
    std::size_t frameset = AsciiText::Find(text, "<FRAMESET");
    return frameset != AsciiText::npos ? frameset + 9 : text.size();
}

void HeadSection::ExtractHeadSection(LineBuffer& buffer, const std::string& fileName) {
    std::size_t length = Length(buffer.WholeText(), fileName);
    std::string section = buffer.WholeText().substr(0, length);
    buffer.Clear();
    buffer.SetText(section);
}

}  // namespace zendal
