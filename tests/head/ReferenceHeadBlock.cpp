#include "head/ReferenceHeadBlock.h"

#include <string>
#include <vector>

#include "base/AsciiText.h"
#include "base/Wizard.h"
#include "head/EInvalidHTMLFile.h"
#include "head/HeadBlock.h"

namespace zendal::test {

namespace {

constexpr long npos = LineBuffer::npos;

long FindInRest(const LineBuffer& buffer, const char* needle, long from) {
    return buffer.FindText(needle, from, static_cast<long>(buffer.WholeText().size()) - from);
}

long FindBetween(const LineBuffer& buffer, const char* needle, long from, long to) {
    return buffer.FindText(needle, from, to - from);
}

// Repeats: find the pattern (case ignored), apply the change at the first place.
template <typename Change>
void RepeatWhileFound(std::string& text, const std::string& pattern, Change change) {
    for (std::size_t at = AsciiText::Find(text, pattern); at != std::string::npos;
         at = AsciiText::Find(text, pattern)) {
        change(at);
    }
}

std::string Clean(std::string text) {
    RepeatWhileFound(text, " <", [&](std::size_t at) { text.erase(at, 1); });
    RepeatWhileFound(text, " =", [&](std::size_t at) { text.erase(at, 1); });
    RepeatWhileFound(text, "= ", [&](std::size_t at) { text.erase(at + 1, 1); });
    RepeatWhileFound(text, "<META  ", [&](std::size_t at) { text.erase(at + 6, 1); });
    RepeatWhileFound(text, "<LINK  ", [&](std::size_t at) { text.erase(at + 6, 1); });
    RepeatWhileFound(text, "><", [&](std::size_t at) { text.insert(at + 1, "\r\n"); });
    return text;
}

}  // namespace

void ReferenceHeadBlock::SetUpHeadBlock(long& start, long& end) {
    LineBuffer& buffer = wizard_.htmlrichedit;
    const std::string& file = wizard_.activeDocument;
    for (;;) {
        std::size_t at = AsciiText::Upper(buffer.WholeText()).find(" </HEAD>");
        if (at == std::string::npos) {
            break;
        }
        buffer.ReplaceRange(static_cast<long>(at), 8, "</HEAD>");
    }
    if (buffer.IndexOfLine("<HEAD>") != npos) {
        start = FindInRest(buffer, "<HEAD>", 0) + 6;
    } else {
        long at = FindInRest(buffer, "<HEAD>", 0);
        if (at == npos) {
            throw EInvalidHTMLFile(file, "Missing '<HEAD>' Tag");
        }
        start = buffer.ReplaceRange(at, 6, buffer.ReadRange(at, 6) + "\r\n");
        if (buffer.IndexOfLine("<HEAD>") == npos) {
            at = FindInRest(buffer, "<HEAD>", 0);
            start = buffer.ReplaceRange(at, 6, "\r\n" + buffer.ReadRange(at, 6));
        }
    }
    if (buffer.IndexOfLine("</HEAD>") == npos) {
        long at = FindInRest(buffer, "</HEAD>", start);
        if (at == npos) {
            throw EInvalidHTMLFile(file, "Missing '</HEAD>' Tag");
        }
        buffer.ReplaceRange(at, 7, "\r\n" + buffer.ReadRange(at, 7) + "\r\n");
    }
    end = FindInRest(buffer, "</HEAD>", start);
    // Every script and style element, in document order.
    struct Element {
        const char* open;
        const char* close;
        const char* reason;
    };
    const Element script{"<script", "</script>",
                         "Invalid Usage in HEAD, Missing '</SCRIPT>' Tag - Cannot Continue!"};
    const Element style{"<style", "</style>",
                        "Invalid Usage in HEAD, Missing '</STYLE>' Tag - Cannot Continue!"};
    long cursor = start;
    for (;;) {
        long scriptAt = FindBetween(buffer, script.open, cursor, end);
        long styleAt = FindBetween(buffer, style.open, cursor, end);
        if (scriptAt == npos && styleAt == npos) {
            break;
        }
        bool isScript = styleAt == npos || (scriptAt != npos && scriptAt < styleAt);
        const Element& element = isScript ? script : style;
        long at = isScript ? scriptAt : styleAt;
        long openLength = static_cast<long>(std::string(element.open).size());
        long closeLength = static_cast<long>(std::string(element.close).size());
        long searchPoint =
            buffer.ReplaceRange(at, openLength, "\r\n" + buffer.ReadRange(at, openLength));
        end = FindInRest(buffer, "</HEAD>", start);
        long close = FindBetween(buffer, element.close, searchPoint, end);
        if (close == npos) {
            throw EInvalidHTMLFile(file, element.reason);
        }
        cursor = buffer.ReplaceRange(close, closeLength,
                                     "\r\n" + buffer.ReadRange(close, closeLength) + "\r\n");
        end = FindInRest(buffer, "</HEAD>", start);
    }
    end = FindInRest(buffer, "</HEAD>", start);
}

void ReferenceHeadBlock::PositionLines() {
    LineBuffer& buffer = wizard_.htmlrichedit;
    buffer.SetText(std::string(buffer.WholeText()));
    long start = buffer.IndexOfLine("<head>") + 2;
    std::vector<std::string> pics;
    std::vector<std::string> metas;
    std::vector<std::string> others;
    while (start < buffer.IndexOfLine("</head>")) {
        std::string line(buffer.GetLine(start));
        buffer.DeleteLine(start);
        std::string upper = AsciiText::Upper(line);
        if (upper.find("<META HTTP-EQUIV=\"PICS-LABEL\"") != std::string::npos) {
            pics.push_back(line);
        } else if (upper.find("<META") != std::string::npos) {
            metas.push_back(line);
        } else if (!line.empty()) {
            others.push_back(line);
        }
    }
    long at = start;
    for (auto it = pics.rbegin(); it != pics.rend(); ++it) {
        buffer.InsertLine(at++, *it);
    }
    for (const std::string& line : metas) {
        buffer.InsertLine(at++, line);
    }
    for (const std::string& line : others) {
        buffer.InsertLine(at++, line);
    }
}

void ReferenceHeadBlock::SetUpMetaLines() {
    LineBuffer& buffer = wizard_.htmlrichedit;
    HeadBlock steps(wizard_.htmlrichedit, wizard_.status,
                    wizard_.activeDocument);  // the title steps have no repeated rules
    long start = 0;
    long end = 0;
    SetUpHeadBlock(start, end);
    steps.FormatTitleLine(start, end);
    steps.PositionTitleLine();
    long join = buffer.IndexOfLine("<head>") + 1;
    long endLine = buffer.IndexOfLine("</head>");
    std::string joinText;
    bool outside = true;
    for (long i = join; i < endLine; ++i) {
        std::string upper = AsciiText::Upper(buffer.GetLine(i));
        if (upper.find("<SCRIPT") != std::string::npos ||
            upper.find("<STYLE") != std::string::npos) {
            outside = false;
        }
        if (upper == "</SCRIPT>" || upper == "</STYLE>") {
            outside = true;
        } else if (outside) {
            joinText += std::string(AsciiText::Trim(buffer.GetLine(i)));
            if (!joinText.empty() && joinText.back() == '"') {
                joinText += ' ';
            }
            buffer.PutLine(i, "");
        }
    }
    buffer.InsertLine(join, Clean(joinText));
    steps.PositionTitleLine();
    PositionLines();
}

}  // namespace zendal::test
