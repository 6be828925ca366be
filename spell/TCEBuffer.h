#pragma once

#include <cstddef>
#include <string>

namespace zendal {

class MessagePort;
class SpellEditControl;

// The text of the control under a spell check run, held as code page 437 bytes (the
// dictionary's letters) so that one byte is one character of the control. Positions count
// from 1; the byte at the text size is the terminating zero.
class TCEBuffer {
  public:
    // A word this long aborts the run.
    static constexpr std::size_t kMaxWordLength = 50;

    TCEBuffer(SpellEditControl& control, MessagePort& messages);

    static bool IsWordCharacter(char c);

    // Copies the control's text in again; the position stays, kept inside the text.
    void LoadText();
    // The next word (code page 437) from the position on, skipping markup when supportHTML is
    // set; empty at the end of the text, or after reporting a word of kMaxWordLength.
    std::string NextWord();
    // Back to the start of the word that the position is in.
    void MoveToWordStart();
    // Selects the current word in the control.
    void SelectWord();
    // Replaces the current word in the control by the text (UTF-8) and continues after it,
    // the buffer holding the control's new text.
    void ReplaceWord(const std::string& text);
    // The screen Y of the line that holds the selection.
    int CaretScreenY() const;

    // Whether the control's text differs from the text loaded last.
    bool TextChanged() const;
    bool Modified() const;
    void SetModified(bool modified);

    bool supportHTML = false;

    std::size_t Position() const { return position_; }
    std::size_t WordStart() const { return wordStart_; }
    std::size_t WordEnd() const { return wordEnd_; }
    bool DigitsOnly() const { return digitsOnly_; }

  private:
    char At(std::size_t position) const { return buffer_[position - 1]; }

    SpellEditControl& control_;
    MessagePort& messages_;
    std::string buffer_;
    std::size_t textSize_ = 1;
    std::size_t position_ = 1;
    std::size_t wordStart_ = 1;
    std::size_t wordEnd_ = 1;
    bool digitsOnly_ = true;
    long loadedRevision_ = -1;  // of the control's text that the buffer holds
};

}  // namespace zendal
