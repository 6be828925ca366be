#include "update/HeadRewrite.h"

#include "app/EHostFailure.h"
#include "app/EInvalidHTMLFile.h"
#include "app/EInvalidMetaTag.h"
#include "app/ENoFile.h"
#include "app/Wizard.h"
#include "head/HeadBlock.h"
#include "head/HeadSection.h"
#include "head/HeadText.h"
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
    // The host's own text, read in place: the host is called again only to take the new one.
    std::string_view documentText;
    try {
        if (wizard_.host == nullptr) {
            throw EHostFailure("no host");
        }
        documentText = wizard_.host->Text();
    } catch (const std::exception&) {
        wizard_.messages.Failure(kLoadFailed);
        return false;
    }
    // The extraction never looks past the body start tag, so the rest is not loaded twice.
    buffer.SetText(documentText.substr(0, HeadSection::SearchedLength(documentText)));
    HeadSection::ExtractHeadSection(wizard_);
    buffer.SetCRLFLineBreaks();
    if (!Rewrite(fileName, documentText)) {
        return false;
    }
    return HandBack();
}

bool HeadRewrite::Rewrite(const std::string& fileName, std::string_view documentText) {
    try {
        HeadBlock block(wizard_);
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
        ReplaceHeadSection(fileName, documentText);
    } catch (const EInvalidHTMLFile&) {
        return false;
    } catch (const EInvalidMetaTag&) {
        return false;
    }
    return true;
}

bool HeadRewrite::HandBack() {
    try {
        if (wizard_.host == nullptr) {
            throw EHostFailure("no host");
        }
        wizard_.host->beginupdate();
        wizard_.host->SelectAll();
        // Every line of the buffer, the last one included, ends with CR LF. The text moves to
        // the host: nothing reads the buffer before the next command loads it again.
        wizard_.host->InsertText(wizard_.htmlrichedit.ReleaseText(), true);
        wizard_.host->endupdate();
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
    const std::size_t head = HeadText::Find(text, "<HEAD>");
    if (head == HeadText::npos) {
        return;
    }
    const std::size_t headEnd = HeadText::Find(text, "</HEAD>", head);
    if (headEnd == HeadText::npos) {
        return;
    }
    const std::size_t open = HeadText::Find(text, "<title>", head);
    if (open == HeadText::npos || open >= headEnd) {
        return;
    }
    const std::size_t contentStart = open + 7;
    const std::size_t close = HeadText::Find(text, "</title>", contentStart);
    if (close == HeadText::npos || close + 8 > headEnd) {
        return;
    }
    buffer.ReplaceRange(static_cast<long>(contentStart), static_cast<long>(close - contentStart),
                        title);
}

void HeadRewrite::WriteMetaTags() {
    LineBuffer& buffer = wizard_.htmlrichedit;
    for (const std::string& line : tags_.generatedMetaList) {
        const std::size_t content = HeadText::Find(line, "content=");
        const std::string key = content == HeadText::npos ? line : line.substr(0, content);
        const long headEnd = buffer.IndexOfLine("</HEAD>");
        if (headEnd == LineBuffer::npos) {
            continue;
        }
        bool replaced = false;
        for (long i = buffer.IndexOfLine("<HEAD>") + 1; i < headEnd; ++i) {
            if (HeadText::Contains(buffer.GetLine(i), key)) {
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

void HeadRewrite::ReplaceHeadSection(const std::string& fileName, std::string_view documentText) {
    LineBuffer& buffer = wizard_.htmlrichedit;
    const std::string& head = buffer.WholeText();
    const std::size_t headEnd = HeadText::Find(head, "</HEAD>");
    if (headEnd == HeadText::npos) {
        throw EInvalidHTMLFile(fileName, "Missing '</HEAD>' Tag");
    }
    const std::size_t rest = HeadSection::Length(documentText, fileName);
    const std::string_view newHead = std::string_view(head).substr(0, headEnd + 7);
    // Built once at its final size; the room for a closing CR LF spares the buffer a copy.
    std::string newText;
    newText.reserve(newHead.size() + (documentText.size() - rest) + 2);
    newText.append(newHead);
    newText.append(documentText.substr(rest));
    buffer.AdoptText(std::move(newText));
}

}  // namespace zendal
