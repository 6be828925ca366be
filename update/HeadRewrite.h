#pragma once

#include <string>

namespace zendal {

class Wizard;
class TagGeneration;

// Writes the wizard's title and generated meta lines into the host's active document: the head
// section of the host's text is normalised, cleared of blank tags when asked, rewritten and put
// back in front of the rest of that same text, which is handed back to the host as one change
// (moved out of the buffer, which is left empty).
// The host's text is the only source, so unsaved edits of the body are kept and a document that
// was never saved can be updated too.
class HeadRewrite {
  public:
    HeadRewrite(Wizard& wizard, TagGeneration& tags);

    // True when the new text has been handed to the host. Throws ENoFile for an empty name and
    // EInvalidHTMLFile when the host's text has no head section; shows the host failures.
    bool WriteTags(const std::string& fileName);
    // Sets the content of the head block's title element to the title value, when not empty.
    void WriteTitleLine();
    // Replaces in place the head line holding each generated line's key, or inserts the line in
    // front of </HEAD>.
    void WriteMetaTags();
    // Puts the head section held in the buffer (through its first </HEAD>) in front of the rest
    // of documentText, bounded as the extraction bounds it; the buffer then holds the new text.
    // Throws EInvalidHTMLFile naming fileName.
    void ReplaceHeadSection(const std::string& fileName, std::string documentText);

    static constexpr const char* kNoFile = "No File To Load";
    static constexpr const char* kLoadFailed = "Could not Load File, Error 101!";
    static constexpr const char* kUpdateFailed = "Could not update File, Error 102!";

  private:
    bool Rewrite(const std::string& fileName, std::string documentText);
    bool HandBack();
    void Pause();

    Wizard& wizard_;
    TagGeneration& tags_;
};

}  // namespace zendal
