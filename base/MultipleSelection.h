#pragma once

#include <string_view>

namespace zendal {

// The multiple-selection marker: the text MULT, which the host reports instead of a file name
// when several files are selected. Some commands compare the active document with it with the
// case of a to z ignored, others exactly; each says which by the helper it calls.
class MultipleSelection {
  public:
    static constexpr std::string_view kMarker = "MULT";

    // The reading commands, the key word generator and the Update's cannot-open message.
    static bool MarksIgnoringCase(std::string_view activeDocument);
    // Tag generation (no title line) and the Update's refusal to remove blank tags.
    static bool MarksExactly(std::string_view activeDocument) { return activeDocument == kMarker; }
};

}  // namespace zendal
