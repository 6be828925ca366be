#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zendal {

// The one in-memory copy of the document text, offered as lines and as one whole text in which
// each line ends with CR LF. A position is a zero-based offset into the whole text (a line break
// counts as its two characters), so positions found by searching the whole text and positions
// used to replace ranges are the same numbers.
//
// The whole text is kept as one string with a table of line starts beside it: line access reads
// in place and never rebuilds the text. Text that comes in with lone CR or lone LF breaks is split
// at them; they read back as CR LF.
class LineBuffer {
  public:
    static constexpr long npos = -1;

    void Clear();
    // Adds the text after the existing content, followed by one CR LF.
    void AppendText(std::string_view text);
    const std::string& WholeText() const { return text_; }
    void SetText(std::string_view text);
    // SetText without a copy: the buffer keeps the string itself.
    void AdoptText(std::string text);
    // Hands the whole text over without a copy and leaves the buffer empty.
    std::string ReleaseText();

    long LineCount() const { return static_cast<long>(lineStarts_.size()); }
    std::string_view GetLine(long index) const;
    void PutLine(long index, std::string_view line);
    // A text with line breaks becomes several consecutive lines; index == LineCount() appends.
    void InsertLine(long index, std::string_view text);
    void DeleteLine(long index);
    // First line whose whole text equals the string, letter case ignored; npos if none.
    long IndexOfLine(std::string_view line) const;

    // First occurrence (letter case ignored) that starts at or after start and ends within
    // start + length; a length past the end searches to the end. npos if none.
    long FindText(std::string_view needle, long start, long length) const;
    std::string ReadRange(long position, long length) const;
    // Replaces the range and returns the position just after the inserted string.
    long ReplaceRange(long position, long length, std::string_view replacement);

    // Replaces the content with the file's text, decoded from UTF-8 or Windows-1252 as the
    // hosts decode it; throws EFileOpen.
    void LoadFile(const std::string& fileName);
    // Rewrites every line break as CR LF.
    void SetCRLFLineBreaks();

    // CR LF stays one break; any other CR or LF becomes CR LF. LF CR is two breaks.
    static std::string ToCRLF(std::string_view text);

  private:
    void Rebuild(std::string text);
    void ReindexFrom(std::size_t line);
    std::size_t LineEnd(std::size_t line) const;
    void CheckLine(long index, long limit) const;

    std::string text_;
    std::vector<std::size_t> lineStarts_;
};

}  // namespace zendal
