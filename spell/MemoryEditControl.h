#pragma once

#include <string>

#include "spell/SpellEditControl.h"

namespace zendal {

// An edit control over a text in memory (zendal-cli check, tests). It holds the text as code
// points, so that selecting and replacing cost no walk over the text.
class MemoryEditControl : public SpellEditControl {
  public:
    explicit MemoryEditControl(const std::string& text = {}) : text_(Decode(text)) {}

    std::string Text() const override { return Encode(text_); }
    int SelStart() const override { return selStart_; }
    int SelLength() const override { return selLength_; }
    // Clamped to the text, as an edit control clamps it.
    void SetSelection(int start, int length) override;
    void ReplaceSelection(const std::string& text) override;
    bool Modified() const override { return modified_; }
    void SetModified(bool modified) override { modified_ = modified; }
    long Revision() const override { return revision_; }
    bool HideSelection() const override { return hideSelection_; }
    void SetHideSelection(bool hide) override { hideSelection_ = hide; }

    // The user typing into the control while a run waits.
    void SetText(const std::string& text);

  private:
    // Bytes that are not valid UTF-8 become U+FFFD.
    static std::u32string Decode(const std::string& utf8);
    static std::string Encode(const std::u32string& text);

    std::u32string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    bool modified_ = false;
    long revision_ = 0;
    bool hideSelection_ = true;
};

}  // namespace zendal
