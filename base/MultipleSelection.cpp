#include "base/MultipleSelection.h"

#include "base/AsciiText.h"

namespace zendal {

bool MultipleSelection::MarksIgnoringCase(std::string_view activeDocument) {
    return AsciiText::Equals(activeDocument, kMarker);
}

}  // namespace zendal
