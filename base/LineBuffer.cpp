#include "base/LineBuffer.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/AsciiText.h"
#include "base/DocumentCodec.h"
#include "base/DocumentFile.h"
#include "base/EFileOpen.h"

namespace zendal {

namespace {

// The line starts of a text whose every break is CR LF, the last line's break may be missing;
// false, with the starts unfinished, as soon as a lone CR or LF shows.
bool IndexLines(std::string_view text, std::vector<std::size_t>& starts) {
    constexpr std::size_t npos = std::string_view::npos;
    starts.clear();
    std::size_t cr = text.find('\r');
    std::size_t lf = text.find('\n');
    for (std::size_t pos = 0; pos < text.size();) {
        starts.push_back(pos);
        if (cr == npos && lf == npos) {
            break;
        }
        if (cr == npos || lf != cr + 1) {
            return false;
        }
        pos = lf + 1;
        cr = text.find('\r', pos);
        lf = text.find('\n', pos);
    }
    return true;
}

}  // namespace

std::string LineBuffer::ToCRLF(std::string_view text) {
    return DocumentCodec::WithLineBreaks(text, DocumentFormat::LineBreaks::CRLF);
}

void LineBuffer::Rebuild(std::string text) {
    if (!IndexLines(text, lineStarts_)) {
        text = ToCRLF(text);
        IndexLines(text, lineStarts_);
    }
    // The closing CR LF leaves the line starts as they are.
    if (!text.empty() && !text.ends_with("\r\n")) {
        text += "\r\n";
    }
    text_ = std::move(text);
}

// Recomputes the line starts from the start of the given line on.
void LineBuffer::ReindexFrom(std::size_t line) {
    std::size_t pos =
        line < lineStarts_.size() ? lineStarts_[line] : (line == 0 ? 0 : text_.size());
    lineStarts_.resize(std::min(line, lineStarts_.size()));
    while (pos < text_.size()) {
        lineStarts_.push_back(pos);
        std::size_t brk = text_.find("\r\n", pos);
        pos = brk + 2;
    }
}

std::size_t LineBuffer::LineEnd(std::size_t line) const {
    std::size_t next = line + 1 < lineStarts_.size() ? lineStarts_[line + 1] : text_.size();
    return next - 2;
}

void LineBuffer::CheckLine(long index, long limit) const {
    if (index < 0 || index >= limit) {
        throw std::out_of_range("line index " + std::to_string(index) + " out of bounds");
    }
}

void LineBuffer::Clear() {
    text_.clear();
    lineStarts_.clear();
}

void LineBuffer::AppendText(std::string_view text) {
    std::string added = ToCRLF(text);
    added += "\r\n";
    std::size_t pos = text_.size();
    if (text_.empty()) {
        text_ = std::move(added);
    } else {
        text_ += added;
    }
    while (pos < text_.size()) {
        lineStarts_.push_back(pos);
        pos = text_.find("\r\n", pos) + 2;
    }
}

void LineBuffer::SetText(std::string_view text) {
    Rebuild(std::string(text));
}

void LineBuffer::AdoptText(std::string text) {
    Rebuild(std::move(text));
}

std::string LineBuffer::ReleaseText() {
    std::string text = std::move(text_);
    Clear();
    return text;
}

std::string_view LineBuffer::GetLine(long index) const {
    CheckLine(index, LineCount());
    std::size_t start = lineStarts_[index];
    return std::string_view(text_).substr(start, LineEnd(index) - start);
}

void LineBuffer::PutLine(long index, std::string_view line) {
    CheckLine(index, LineCount());
    std::size_t start = lineStarts_[index];
    std::size_t end = LineEnd(index);
    std::string replacement = ToCRLF(line);
    text_.replace(start, end - start, replacement);
    if (replacement.find("\r\n") == std::string::npos) {
        long delta = static_cast<long>(replacement.size()) - static_cast<long>(end - start);
        for (std::size_t i = index + 1; i < lineStarts_.size(); ++i) {
            lineStarts_[i] += delta;
        }
    } else {
        ReindexFrom(index);
    }
}

void LineBuffer::InsertLine(long index, std::string_view text) {
    CheckLine(index, LineCount() + 1);
    std::size_t at = index < LineCount() ? lineStarts_[index] : text_.size();
    std::string inserted = ToCRLF(text);
    inserted += "\r\n";
    text_.insert(at, inserted);
    std::vector<std::size_t> added;
    for (std::size_t pos = at; pos < at + inserted.size(); pos = text_.find("\r\n", pos) + 2) {
        added.push_back(pos);
    }
    for (std::size_t i = index; i < lineStarts_.size(); ++i) {
        lineStarts_[i] += inserted.size();
    }
    lineStarts_.insert(lineStarts_.begin() + index, added.begin(), added.end());
}

void LineBuffer::DeleteLine(long index) {
    CheckLine(index, LineCount());
    std::size_t start = lineStarts_[index];
    std::size_t removed = LineEnd(index) + 2 - start;
    text_.erase(start, removed);
    lineStarts_.erase(lineStarts_.begin() + index);
    for (std::size_t i = index; i < lineStarts_.size(); ++i) {
        lineStarts_[i] -= removed;
    }
}

long LineBuffer::IndexOfLine(std::string_view line) const {
    for (long i = 0; i < LineCount(); ++i) {
        if (AsciiText::Equals(GetLine(i), line)) {
            return i;
        }
    }
    return npos;
}

long LineBuffer::FindText(std::string_view needle, long start, long length) const {
    if (start < 0 || length < 0 || static_cast<std::size_t>(start) > text_.size()) {
        return npos;
    }
    std::size_t limit =
        std::min(text_.size(), static_cast<std::size_t>(start) + static_cast<std::size_t>(length));
    const std::size_t found = AsciiText::Find(std::string_view(text_).substr(0, limit), needle,
                                              static_cast<std::size_t>(start));
    return found == AsciiText::npos ? npos : static_cast<long>(found);
}

std::string LineBuffer::ReadRange(long position, long length) const {
    if (position < 0 || length <= 0 || static_cast<std::size_t>(position) >= text_.size()) {
        return {};
    }
    return text_.substr(position, length);
}

long LineBuffer::ReplaceRange(long position, long length, std::string_view replacement) {
    std::size_t pos = std::clamp<long>(position, 0, static_cast<long>(text_.size()));
    std::size_t len = std::clamp<long>(length, 0, static_cast<long>(text_.size() - pos));
    text_.replace(pos, len, replacement);
    Rebuild(std::move(text_));
    return static_cast<long>(pos + replacement.size());
}

void LineBuffer::LoadFile(const std::string& fileName) {
    const std::string bytes = DocumentFile::Read(fileName);
    // Decoded as the hosts decode a document, so that the file's text and the host's text can
    // be joined.
    Rebuild(DocumentCodec::Decode(bytes).text);
}

void LineBuffer::SetCRLFLineBreaks() {
    Rebuild(ToCRLF(text_));
}

}  // namespace zendal
