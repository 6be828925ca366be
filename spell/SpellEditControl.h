#pragma once

#include <string>

namespace zendal {

// The edit control that a spell check run works on (a memo of the main window, or a text in
// memory). Text is UTF-8; positions and lengths count characters (code points).
class SpellEditControl {
  public:
    virtual ~SpellEditControl() = default;

    virtual std::string Text() const = 0;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelection(int start, int length) = 0;
    // Replaces the selection by the text and sets the modified flag.
    virtual void ReplaceSelection(const std::string& text) = 0;
    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // A number that changes with every change of the text; -1 when the control has none.
    virtual long Revision() const { return -1; }
    virtual void SetFocus() {}
    // Whether the selection disappears while the control does not have the focus.
    virtual bool HideSelection() const { return false; }
    virtual void SetHideSelection(bool) {}

    // Where the selection is on the screen (see TCEBuffer::CaretScreenY).
    virtual bool IsMemo() const { return true; }
    virtual int SelectionLine() const { return 0; }
    virtual int FirstVisibleLine() const { return 0; }
    virtual int LineHeight() const { return 0; }
    virtual int ClientScreenY() const { return 0; }
};

}  // namespace zendal
