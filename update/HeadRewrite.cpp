#include "update/HeadRewrite.h"

#include "base/AsciiText.h"
#include "base/ENoFile.h"
#include "base/Wizard.h"
#include "head/EInvalidHTMLFile.h"
#include "head/EInvalidMetaTag.h"
#include "head/HeadBlock.h"
#include "head/HeadSection.h"
#include "update/TagGeneration.h"

namespace zendal {

namespace {

// Sets the normal cursor back however the rewrite ends.
class NormalCursorAtEnd {
  public:
    explicit NormalCursorAtEnd(StatusPort& status) : status_(status) {}
    ~NormalCursorAtEnd() { status_.SetBusyCursor(false); }
    NormalCursorAtEnd(const NormalCursorAtEnd&) = delete;
    NormalCursorAtEnd& operator=(const NormalCursorAtEnd&) = delete;

  private:
    StatusPort& status_;
};

// What the head may grow by in the rewrite, beyond its own length, before the text must move to a
// larger string.
constexpr std::size_t kHeadRoom = 16 * 1024;

}  // namespace

HeadRewrite::HeadRewrite(Wizard& wizard, TagGeneration& tags) : wizard_(wizard), tags_(tags) {}

void HeadRewrite::Pause() {
    wizard_.status.ProcessMessages();
}

bool HeadRewrite::WriteTags(const std::string& fileName) {
    NormalCursorAtEnd cursor(wizard_.status);
    LineBuffer& buffer = wizard_.htmlrichedit;
    buffer.Clear();
    if (fileName.empty()) {
        throw ENoFile(kNoFile);
    }
    const std::string* hostText;
    try {
        hostText = &wizard_.RequireHost().Text();
    } catch (const std::exception&) {
        wizard_.messages.Failure(kLoadFailed);
        return false;
    }
    // A command that runs while this one lets the window process its messages may ask the host
    // for its text again, so the text is copied at once; the copy is made with room for a head
    // that grows, so that the new text can be built in it.
    const std::size_t searched = HeadSection::SearchedLength(*hostText);
    std::string documentText;
    documentText.reserve(hostText->size() + searched + kHeadRoom);
    documentText = *hostText;
    // The extraction never looks past the body start tag, so the rest is not loaded twice.
    buffer.SetText(std::string_view(documentText).substr(0, searched));
    HeadSection::ExtractHeadSection(buffer, wizard_.activeDocument);
    buffer.SetCRLFLineBreaks();
    if (!Rewrite(fileName, std::move(documentText))) {
        return false;
    }
    return HandBack();
}

bool HeadRewrite::Rewrite(const std::string& fileName, std::string documentText) {
    try {
        HeadBlock block(wizard_.htmlrichedit, wizard_.status, wizard_.activeDocument);
        block.SetUpMetaLines();
        if (wizard_.fields.CheckBox4) {
            tags_.RemoveBlankTags();
        }
        WriteTitleLine();
        WriteMetaTags();
        Pause();
        block.PositionTitleLine();
        Pause();
        block.PositionLines();
        Pause();
        ReplaceHeadSection(fileName, std::move(documentText));
    } catch (const EInvalidHTMLFile&) {
        return false;
    } catch (const EInvalidMetaTag&) {
        return false;
    }
    return true;
}

bool HeadRewrite::HandBack() {
    try {
        Host& host = wizard_.RequireHost();
        host.beginupdate();
        host.SelectAll();
        // Every line of the buffer, the last one included, ends with CR LF. The text moves to
        // the host: nothing reads the buffer before the next command loads it again.
        host.InsertText(wizard_.htmlrichedit.ReleaseText(), true);
        host.endupdate();
    } catch (const std::exception&) {
        wizard_.messages.Failure(kUpdateFailed);
        return false;
    }
    return true;
}

void HeadRewrite::WriteTitleLine() {
    const std::string& title = wizard_.fields.Titlebox;
    if (title.empty()) {
        return;
    }
    LineBuffer& buffer = wizard_.htmlrichedit;
    const std::string& text = buffer.WholeText();
    const std::size_t head = AsciiText::Find(text, "<HEAD>");
    if (head == AsciiText::npos) {
        return;
    }
    const std::size_t headEnd = AsciiText::Find(text, "</HEAD>", head);
    if (headEnd == AsciiText::npos) {
        return;
    }
    const std::size_t open = AsciiText::Find(text, "<title>", head);
    if (open == AsciiText::npos || open >= headEnd) {
        return;
    }
    const std::size_t contentStart = open + 7;
    const std::size_t close = AsciiText::Find(text, "</title>", contentStart);
    if (close == AsciiText::npos || close + 8 > headEnd) {
        return;
    }
    buffer.ReplaceRange(static_cast<long>(contentStart), static_cast<long>(close - contentStart),
                        title);
}

void HeadRewrite::WriteMetaTags() {
    LineBuffer& buffer = wizard_.htmlrichedit;
    for (const std::string& line : tags_.generatedMetaList) {
        const std::size_t content = AsciiText::Find(line, "content=");
        const std::string key = content == AsciiText::npos ? line : line.substr(0, content);
        const long headEnd = buffer.IndexOfLine("</HEAD>");
        if (headEnd == LineBuffer::npos) {
            continue;
        }
        bool replaced = false;
        for (long i = buffer.IndexOfLine("<HEAD>") + 1; i < headEnd; ++i) {
            if (AsciiText::Contains(buffer.GetLine(i), key)) {
                buffer.PutLine(i, line);
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            buffer.InsertLine(headEnd, line);
        }
    }
}

void HeadRewrite::ReplaceHeadSection(const std::string& fileName, std::string documentText) {
    LineBuffer& buffer = wizard_.htmlrichedit;
    const std::string& head = buffer.WholeText();
    const std::size_t headEnd = AsciiText::Find(head, "</HEAD>");
    if (headEnd == AsciiText::npos) {
        throw EInvalidHTMLFile(fileName, "Missing '</HEAD>' Tag");
    }
    const std::size_t rest = HeadSection::Length(documentText, fileName);
    // Built in place: the rest of the text stays in its string, the new head takes the old one's
    // place in front of it.
    documentText.replace(0, rest, std::string_view(head).substr(0, headEnd + 7));
    buffer.AdoptText(std::move(documentText));
}

}  // namespace zendal
