#include "head/HeadBlock.h"

#include <vector>

#include "base/AsciiText.h"
#include "base/LineBuffer.h"
#include "base/StatusPort.h"
#include "head/EInvalidHTMLFile.h"
#include "head/EInvalidMetaTag.h"

namespace zendal {

namespace {

constexpr long npos = LineBuffer::npos;
constexpr const char* kCRLF = "\r\n";

struct HeadElement {
    std::string_view open;
    std::string_view close;
    const char* reason;
};

constexpr HeadElement kScript{"<script", "</script>",
                              "Invalid Usage in HEAD, Missing '</SCRIPT>' Tag - Cannot Continue!"};
constexpr HeadElement kStyle{"<style", "</style>",
                             "Invalid Usage in HEAD, Missing '</STYLE>' Tag - Cannot Continue!"};

constexpr const char* kEmptyTitle =
    "Title Tag used improperly (Missing 'Content') The title tag requires some content to be a "
    "useful addition!  e.g. My Home Page please update this file before submitting it to the "
    "search engines for ranking! ";

void AppendLine(std::string& out, std::string_view line) {
    out.append(line);
    out += kCRLF;
}

// Deletes every blank that directly precedes the character.
std::string DeleteBlanksBefore(std::string_view text, char c) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        if (ch == c) {
            while (!out.empty() && out.back() == ' ') {
                out.pop_back();
            }
        }
        out += ch;
    }
    return out;
}

std::string DeleteBlanksAfter(std::string_view text, char c) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == c) {
            while (i + 1 < text.size() && text[i + 1] == ' ') {
                ++i;
            }
        }
    }
    return out;
}

// Leaves one blank where the tag name is followed by several.
std::string SingleBlankAfter(std::string_view text, std::string_view tag) {
    std::string out;
    out.reserve(text.size());
    std::size_t copied = 0;
    for (std::size_t p = AsciiText::Find(text, tag); p != AsciiText::npos;
         p = AsciiText::Find(text, tag, p + tag.size())) {
        std::size_t blanks = p + tag.size();
        if (blanks + 1 < text.size() && text[blanks] == ' ' && text[blanks + 1] == ' ') {
            std::size_t end = blanks;
            while (end < text.size() && text[end] == ' ') {
                ++end;
            }
            out.append(text, copied, blanks + 1 - copied);
            copied = end;
        }
    }
    out.append(text, copied);
    return out;
}

std::string BreakBetweenTags(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '>' && i + 1 < text.size() && text[i + 1] == '<') {
            out += kCRLF;
        }
    }
    return out;
}

}  // namespace

HeadBlock::HeadBlock(LineBuffer& buffer, StatusPort& status, std::string fileName)
    : buffer_(buffer), status_(status), fileName_(std::move(fileName)) {}

void HeadBlock::Status(const std::string& text) {
    status_.SetPanelText(StatusPort::MessagePanel, text);
}

// The pauses between the steps only let the window repaint.
void HeadBlock::Pause() {
    status_.ProcessMessages();
}

long HeadBlock::FindBetween(std::string_view needle, long from, long to) const {
    return buffer_.FindText(needle, from, to - from);
}

long HeadBlock::FindInRest(std::string_view needle, long from) const {
    return buffer_.FindText(needle, from, static_cast<long>(buffer_.WholeText().size()) - from);
}

void HeadBlock::SetUpMetaLines() {
    Status("Positioning Head Block...");
    HeadPositions head = SetUpHeadBlock();
    Pause();
    Status("Correcting Formating - Title Line...");
    FormatTitleLine(head.start, head.end);
    Pause();
    Status("Positioning Title Line...");
    PositionTitleLine();
    Pause();
    Status("Look for Link section...");
    Pause();
    Status("Looking for HTML 4.0 (Possible Values) ...");
    Pause();
    JoinHeadLines();
    Status("Completing <Head> section formatting");
    PositionTitleLine();
    PositionLines();
}

HeadPositions HeadBlock::SetUpHeadBlock() {
    RemoveBlanksBeforeHeadEnd();

    HeadPositions head;
    if (buffer_.IndexOfLine("<HEAD>") != npos) {
        head.start = FindInRest("<HEAD>", 0) + 6;
    } else {
        long tagAt = FindInRest("<HEAD>", 0);
        if (tagAt == npos) {
            throw EInvalidHTMLFile(fileName_, "Missing '<HEAD>' Tag");
        }
        const std::string tag = buffer_.ReadRange(tagAt, 6);
        head.start = buffer_.ReplaceRange(tagAt, 6, tag + kCRLF);
        if (buffer_.IndexOfLine("<HEAD>") == npos) {
            // Text stood before the tag on its line.
            tagAt = FindInRest("<HEAD>", 0);
            head.start = buffer_.ReplaceRange(tagAt, 6, kCRLF + tag);
        }
    }

    if (buffer_.IndexOfLine("</HEAD>") == npos) {
        long tagAt = FindInRest("</HEAD>", head.start);
        if (tagAt == npos) {
            throw EInvalidHTMLFile(fileName_, "Missing '</HEAD>' Tag");
        }
        const std::string tag = buffer_.ReadRange(tagAt, 7);
        buffer_.ReplaceRange(tagAt, 7, kCRLF + tag + kCRLF);
    }
    head.end = FindInRest("</HEAD>", head.start);
    SetApartScriptsAndStyles(head.start, head.end);
    head.end = FindInRest("</HEAD>", head.start);
    return head;
}

// Blanks before </HEAD> are removed one at a time, each removal upper-casing the tag, until none
// is left: every run of blanks before the tag goes, and the tags that had one become upper case.
void HeadBlock::RemoveBlanksBeforeHeadEnd() {
    const std::string& text = buffer_.WholeText();
    std::string out;
    std::size_t copied = 0;
    for (std::size_t p = AsciiText::Find(text, "</HEAD>"); p != AsciiText::npos;
         p = AsciiText::Find(text, "</HEAD>", p + 7)) {
        std::size_t blanks = p;
        while (blanks > copied && text[blanks - 1] == ' ') {
            --blanks;
        }
        if (blanks < p) {
            out.append(text, copied, blanks - copied);
            out += "</HEAD>";
            copied = p + 7;
        }
    }
    if (copied > 0) {
        out.append(text, copied);
        buffer_.SetText(out);
    }
}

// Each element of the head is searched for after the end tag of the one before, so a "<style"
// inside a script is not taken for an element. Its start tag begins a line, and its end tag
// stands on a line of its own.
void HeadBlock::SetApartScriptsAndStyles(long headStart, long headEnd) {
    if (headEnd == npos) {
        return;
    }
    const std::string& text = buffer_.WholeText();
    // An element and its end tag must lie wholly before </HEAD>.
    const std::string_view head = std::string_view(text).substr(0, headEnd);
    std::size_t cursor = headStart;
    std::size_t nextScript = AsciiText::Find(head, kScript.open, cursor);
    std::size_t nextStyle = AsciiText::Find(head, kStyle.open, cursor);
    std::string out;
    std::size_t copied = 0;
    bool changed = false;
    while (nextScript != AsciiText::npos || nextStyle != AsciiText::npos) {
        const bool script = nextScript < nextStyle;
        const HeadElement& element = script ? kScript : kStyle;
        const std::size_t open = script ? nextScript : nextStyle;
        const std::size_t searchPoint = open + element.open.size();
        out.append(text, copied, open - copied);
        out += kCRLF;
        copied = open;
        changed = true;
        const std::size_t close = AsciiText::Find(head, element.close, searchPoint);
        if (close == AsciiText::npos) {
            out.append(text, copied);
            buffer_.SetText(out);
            throw EInvalidHTMLFile(fileName_, element.reason);
        }
        out.append(text, copied, close - copied);
        out += kCRLF;
        out.append(text, close, element.close.size());
        out += kCRLF;
        copied = cursor = close + element.close.size();
        // Searches only move forward, so each needle is scanned once over the head.
        if (nextScript != AsciiText::npos && nextScript < cursor) {
            nextScript = AsciiText::Find(head, kScript.open, cursor);
        }
        if (nextStyle != AsciiText::npos && nextStyle < cursor) {
            nextStyle = AsciiText::Find(head, kStyle.open, cursor);
        }
    }
    if (changed) {
        out.append(text, copied);
        buffer_.SetText(out);
    }
}

void HeadBlock::FormatTitleLine(long headStart, long& headEnd) {
    long title = FindBetween("<title>", headStart, headEnd + 1);
    if (title == npos) {
        long headLine = 0;
        while (headLine < buffer_.LineCount() &&
               !AsciiText::Contains(buffer_.GetLine(headLine), "<head>")) {
            ++headLine;
        }
        // Every caller has found <head> in the text, so such a line exists.
        buffer_.InsertLine(headLine < buffer_.LineCount() ? headLine + 1 : 0, kMissingTitleLine);
        headEnd = FindInRest("</HEAD>", headStart);
        return;
    }
    long close = FindBetween("</title>", title, headEnd + 1);
    if (close == npos) {
        return;
    }
    const std::string& text = buffer_.WholeText();
    std::size_t inner = text.find('<', title + 1);
    if (inner != std::string::npos && static_cast<long>(inner) < close) {
        throw EInvalidMetaTag(
            "Title Tag improperly ended. Another tag starts before '</title>' tag");
    }
    std::string element;
    for (char c : std::string_view(text).substr(title, close + 8 - title)) {
        if (c == '\n') {
            element += ' ';
        } else if (c != '\r') {
            element += c;
        }
    }
    buffer_.ReplaceRange(title, close + 8 - title, kCRLF + element + kCRLF);
    headEnd = FindInRest("</HEAD>", headStart);
    if (close == title + 7) {
        throw EInvalidMetaTag(std::string(kEmptyTitle) + kCRLF + "File name = " + fileName_);
    }
}

void HeadBlock::PositionTitleLine() {
    const long target = buffer_.IndexOfLine("<HEAD>") + 1;
    const long end = buffer_.IndexOfLine("</HEAD>");
    for (long i = target; i < end; ++i) {
        if (AsciiText::Contains(buffer_.GetLine(i), "<TITLE>")) {
            if (i != target) {
                std::string line(buffer_.GetLine(i));
                buffer_.DeleteLine(i);
                buffer_.InsertLine(target, line);
            }
            return;
        }
    }
}

void HeadBlock::PositionLines() {
    // The buffer's line view always matches its whole text, so it need not be built again.
    const long start = buffer_.IndexOfLine("<head>") + 2;
    const long end = buffer_.IndexOfLine("</head>");
    if (end == npos || start >= end) {
        return;
    }
    std::vector<std::string_view> pics;
    std::vector<std::string_view> metas;
    std::vector<std::string_view> others;
    for (long i = start; i < end; ++i) {
        std::string_view line = buffer_.GetLine(i);
        if (AsciiText::Contains(line, "<META HTTP-EQUIV=\"PICS-LABEL\"")) {
            pics.push_back(line);
        } else if (AsciiText::Contains(line, "<META")) {
            metas.push_back(line);
        } else if (!line.empty()) {
            others.push_back(line);
        }
    }
    std::string out;
    out.reserve(buffer_.WholeText().size());
    for (long i = 0; i < start; ++i) {
        AppendLine(out, buffer_.GetLine(i));
    }
    for (auto it = pics.rbegin(); it != pics.rend(); ++it) {
        AppendLine(out, *it);
    }
    for (std::string_view line : metas) {
        AppendLine(out, line);
    }
    for (std::string_view line : others) {
        AppendLine(out, line);
    }
    for (long i = end; i < buffer_.LineCount(); ++i) {
        AppendLine(out, buffer_.GetLine(i));
    }
    buffer_.SetText(out);
}

// Gathers the head lines outside script and style elements into the join text, empties them,
// and puts the cleaned join text, one tag per line, after the <head> line.
void HeadBlock::JoinHeadLines() {
    const long join = buffer_.IndexOfLine("<head>") + 1;
    const long end = buffer_.IndexOfLine("</head>");
    std::string joinText;
    std::string rest;
    rest.reserve(buffer_.WholeText().size());
    bool outsideElement = true;
    for (long i = join; i < buffer_.LineCount(); ++i) {
        std::string_view line = buffer_.GetLine(i);
        if (i < end) {
            if (AsciiText::Contains(line, "<SCRIPT") || AsciiText::Contains(line, "<STYLE")) {
                outsideElement = false;
            }
            if (AsciiText::Equals(line, "</SCRIPT>") || AsciiText::Equals(line, "</STYLE>")) {
                outsideElement = true;
            } else if (outsideElement) {
                joinText.append(AsciiText::Trim(line));
                if (!joinText.empty() && joinText.back() == '"') {
                    joinText += ' ';
                }
                rest += kCRLF;
                Status("Completing ");
                status_.ProcessMessages();
                continue;
            }
        }
        AppendLine(rest, line);
    }
    std::string out;
    out.reserve(rest.size() + joinText.size() + 64);
    for (long i = 0; i < join; ++i) {
        AppendLine(out, buffer_.GetLine(i));
    }
    AppendLine(out, CleanJoinText(joinText));
    out += rest;
    buffer_.SetText(out);
}

std::string HeadBlock::CleanJoinText(std::string_view text) {
    std::string result = DeleteBlanksBefore(text, '<');
    result = DeleteBlanksBefore(result, '=');
    result = DeleteBlanksAfter(result, '=');
    result = SingleBlankAfter(result, "<META");
    result = SingleBlankAfter(result, "<LINK");
    return BreakBetweenTags(result);
}

}  // namespace zendal
