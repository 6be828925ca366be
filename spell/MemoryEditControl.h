#pragma once

#include <string>

#include "spell/SpellEditControl.h"

namespace zendal {

// An edit control over a text in memory (zendal-cli check, tests).
class MemoryEditControl : public SpellEditControl {
  public:
    explicit MemoryEditControl(std::string text = {}) : text_(std::move(text)) {}

    std::string Text() const override { return text_; }
    int SelStart() const override { return selStart_; }
    int SelLength() const override { return selLength_; }
    // Clamped to the text, as an edit control clamps it.
    void SetSelection(int start, int length) override;
    void ReplaceSelection(const std::string& text) override;
    bool Modified() const override { return modified_; }
    void SetModified(bool modified) override { modified_ = modified; }
    bool HideSelection() const override { return hideSelection_; }
    void SetHideSelection(bool hide) override { hideSelection_ = hide; }

    // The user typing into the control while a run waits.
    void SetText(std::string text);

  private:
    int Length() const;
    std::size_t ByteOffset(int characters) const;

    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    bool modified_ = false;
    bool hideSelection_ = true;
};

}  // namespace zendal
