#pragma once

#include <string>
#include <string_view>

namespace zendal {

class LineBuffer;
class StatusPort;

// Positions in the document line buffer's whole text found by SetUpHeadBlock.
struct HeadPositions {
    long start = -1;  // just after the <head> tag (or the line break that follows it)
    long end = -1;    // the first </HEAD> at or after start; -1 when there is none
};

// Rewrites the head section held in the document line buffer into the head block: the <head>
// line, the title line, the PICS label lines, the other meta lines, every other line, the
// </head> line. The rules work on text, not on parsed HTML; each rule that is written as
// "repeat until done" is carried out in one pass over the text with the same result, so the cost
// grows with the size of the head, not with its square.
class HeadBlock {
  public:
    // Works on the buffer and reports its steps in the status bar's message panel; fileName is
    // the document's name in the failures' messages (the active document, the file list's one
    // entry).
    HeadBlock(LineBuffer& buffer, StatusPort& status, std::string fileName);

    // The whole normalisation. Throws EInvalidHTMLFile or EInvalidMetaTag; the buffer then
    // holds what the steps before the failure made of it.
    void SetUpMetaLines();
    // Puts <head> and </head> on lines of their own and sets every script and style element of
    // the head apart, in document order.
    HeadPositions SetUpHeadBlock();
    // Puts the title element on a line of its own, or inserts the placeholder title line.
    void FormatTitleLine(long headStart, long& headEnd);
    // Moves the first title line to just after the <head> line.
    void PositionTitleLine();
    // Sorts the lines after the title line into PICS label lines (reversed), meta lines and
    // other lines; drops empty lines.
    void PositionLines();

    // Applies the clean-up rules of the joined head lines, each until it no longer applies.
    static std::string CleanJoinText(std::string_view text);

    static constexpr const char* kMissingTitleLine = "<title>Title Missing - Zendal</title>";

  private:
    void Status(const std::string& text);
    void Pause();
    long FindBetween(std::string_view needle, long from, long to) const;
    long FindInRest(std::string_view needle, long from) const;
    void RemoveBlanksBeforeHeadEnd();
    void SetApartScriptsAndStyles(long headStart, long headEnd);
    void JoinHeadLines();

    LineBuffer& buffer_;
    StatusPort& status_;
    std::string fileName_;
};

}  // namespace zendal
