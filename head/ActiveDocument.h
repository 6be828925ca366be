#pragma once

#include <string>

namespace zendal {

class Wizard;

// Brings the host's active document into the document line buffer, as every command that reads
// the document does.
class ActiveDocument {
  public:
    static constexpr const char* kLoadFailure = "Could not Load File, Error 101!";
    // The options page's read reports its own number.
    static constexpr const char* kOptionsLoadFailure = "Could not Load File, Error 103!";

    // Clears the buffer and appends the host's text, unsaved changes included, as one piece.
    // When the text cannot be had (no host, no active document, an error of the host), shows
    // the failure message in a plain box and returns false; the buffer stays empty.
    static bool Load(Wizard& wizard, const std::string& failureMessage = kLoadFailure);
};

}  // namespace zendal
