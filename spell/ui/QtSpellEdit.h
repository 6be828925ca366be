#pragma once

#include <QPointer>

#include "spell/SpellEditControl.h"

class QPlainTextEdit;

namespace zendal {

// A memo of the main window as the spell checker sees it. Positions count characters; Qt
// counts UTF-16 units, so the two are converted here.
class QtSpellEdit : public SpellEditControl {
  public:
    explicit QtSpellEdit(QPlainTextEdit* memo);

    std::string Text() const override;
    int SelStart() const override;
    int SelLength() const override;
    void SetSelection(int start, int length) override;
    void ReplaceSelection(const std::string& text) override;
    bool Modified() const override;
    void SetModified(bool modified) override;
    long Revision() const override;
    void SetFocus() override;
    int SelectionLine() const override;
    int FirstVisibleLine() const override;
    int LineHeight() const override;
    int ClientScreenY() const override;

  private:
    int ToCharacters(int utf16) const;
    int ToUtf16(int characters) const;

    QPointer<QPlainTextEdit> memo_;
};

}  // namespace zendal
