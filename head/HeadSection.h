#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zendal {

class LineBuffer;

// The head section of a document text: from its first character through the first </HEAD>
// that lies before the body start (the first <BODY, else the first <FRAMESET).
class HeadSection {
  public:
    // The length of the head section of text (through the '>' of </HEAD>). Throws
    // EInvalidHTMLFile naming fileName when there is no body start or no </HEAD> before it. The
    // head rewrite applies the same bounds to the document file.
    static std::size_t Length(std::string_view text, const std::string& fileName);

    // How much of text the extraction looks at: through the body start tag, or the whole text
    // when there is none. Loading only this much gives the same head section.
    static std::size_t SearchedLength(std::string_view text);

    // Cuts the document line buffer down to its head section; on failure, which names fileName,
    // the buffer is left as it was.
    static void ExtractHeadSection(LineBuffer& buffer, const std::string& fileName);
};

}  // namespace zendal
