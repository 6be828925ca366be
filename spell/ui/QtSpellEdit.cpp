#include "spell/ui/QtSpellEdit.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <algorithm>

namespace zendal {

QtSpellEdit::QtSpellEdit(QPlainTextEdit* memo) : memo_(memo) {}

int QtSpellEdit::ToCharacters(int utf16) const {
    QString text = memo_->toPlainText();
    utf16 = std::clamp(utf16, 0, static_cast<int>(text.size()));
    int characters = 0;
    for (int i = 0; i < utf16; ++i) {
        if (!text[i].isLowSurrogate()) {
            ++characters;
        }
    }
    return characters;
}

int QtSpellEdit::ToUtf16(int characters) const {
    QString text = memo_->toPlainText();
    int i = 0;
    for (int seen = 0; i < text.size(); ++i) {
        if (!text[i].isLowSurrogate() && seen++ == characters) {
            break;
        }
    }
    return i;
}

std::string QtSpellEdit::Text() const {
    return memo_ ? memo_->toPlainText().toStdString() : std::string();
}

int QtSpellEdit::SelStart() const {
    return memo_ ? ToCharacters(memo_->textCursor().selectionStart()) : 0;
}

int QtSpellEdit::SelLength() const {
    if (!memo_) {
        return 0;
    }
    QTextCursor cursor = memo_->textCursor();
    return ToCharacters(cursor.selectionEnd()) - ToCharacters(cursor.selectionStart());
}

void QtSpellEdit::SetSelection(int start, int length) {
    if (!memo_) {
        return;
    }
    QTextCursor cursor = memo_->textCursor();
    cursor.setPosition(ToUtf16(start));
    cursor.setPosition(ToUtf16(start + length), QTextCursor::KeepAnchor);
    memo_->setTextCursor(cursor);
    memo_->viewport()->update();
}

void QtSpellEdit::ReplaceSelection(const std::string& text) {
    if (memo_) {
        memo_->textCursor().insertText(QString::fromStdString(text));
        memo_->document()->setModified(true);
    }
}

bool QtSpellEdit::Modified() const {
    return memo_ && memo_->document()->isModified();
}

void QtSpellEdit::SetModified(bool modified) {
    if (memo_) {
        memo_->document()->setModified(modified);
    }
}

long QtSpellEdit::Revision() const {
    return memo_ ? memo_->document()->revision() : -1;
}

void QtSpellEdit::SetFocus() {
    if (memo_) {
        memo_->setFocus();
    }
}

int QtSpellEdit::SelectionLine() const {
    return memo_ ? memo_->textCursor().blockNumber() : 0;
}

int QtSpellEdit::FirstVisibleLine() const {
    return memo_ ? memo_->cursorForPosition(QPoint(0, 0)).blockNumber() : 0;
}

int QtSpellEdit::LineHeight() const {
    return memo_ ? memo_->fontMetrics().height() : 0;
}

int QtSpellEdit::ClientScreenY() const {
    return memo_ ? memo_->viewport()->mapToGlobal(QPoint(0, 0)).y() : 0;
}

}  // namespace zendal
