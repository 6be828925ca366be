#include "spell/TCEBuffer.h"

#include <algorithm>

#include "base/MessagePort.h"
#include "spell/CodePage437.h"
#include "spell/SpellEditControl.h"

namespace zendal {

TCEBuffer::TCEBuffer(SpellEditControl& control, MessagePort& messages)
    : control_(control), messages_(messages) {
    LoadText();
}

bool TCEBuffer::IsWordCharacter(char c) {
    // The accented letters of code page 437, and its sharp s (0xE1), without which a German
    // word such as Straße would be checked as two.
    constexpr unsigned char kSharpS = 0xE1;
    auto byte = static_cast<unsigned char>(c);
    return c == '\'' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           (c >= 'a' && c <= 'z') || (byte >= 0x80 && byte <= 0xA5) || byte == kSharpS;
}

void TCEBuffer::LoadText() {
    loadedRevision_ = control_.Revision();
    buffer_ = CodePage437::FromUtf8(control_.Text());
    // A zero inside the text would end it early for the scan; it separates words instead.
    std::replace(buffer_.begin(), buffer_.end(), '\0', ' ');
    buffer_ += '\0';
    textSize_ = buffer_.size();
    position_ = std::clamp<std::size_t>(position_, 1, textSize_);
}

std::string TCEBuffer::NextWord() {
    wordStart_ = wordEnd_ = position_;
    digitsOnly_ = true;
    bool inMarkup = false;
    while (position_ < textSize_ && (inMarkup || !IsWordCharacter(At(position_)))) {
        if (supportHTML) {
            if (At(position_) == '<') {
                inMarkup = true;
            } else if (At(position_) == '>') {
                inMarkup = false;
            }
        }
        ++position_;
    }
    if (position_ >= textSize_) {
        wordStart_ = wordEnd_ = position_;
        return {};
    }
    wordStart_ = wordEnd_ = position_;
    std::string word;
    while (position_ < textSize_ && IsWordCharacter(At(position_))) {
        char c = At(position_);
        word += c;
        ++position_;
        if (c < '0' || c > '9') {
            digitsOnly_ = false;
        }
        wordEnd_ = position_;
        if (word.size() == kMaxWordLength) {
            messages_.Error("Aborting spell check (Invalid word): \r" + CodePage437::ToUtf8(word));
            return {};
        }
    }
    return word;
}

void TCEBuffer::MoveToWordStart() {
    while (position_ > 1 && IsWordCharacter(At(position_))) {
        --position_;
    }
}

void TCEBuffer::SelectWord() {
    control_.SetSelection(static_cast<int>(wordStart_ - 1),
                          static_cast<int>(wordEnd_ - wordStart_));
}

void TCEBuffer::ReplaceWord(const std::string& text) {
    control_.SetFocus();
    SelectWord();
    position_ -= wordEnd_ - wordStart_;
    control_.ReplaceSelection(text);
    // The control now holds what LoadText would read; splicing the buffer instead keeps many
    // replacements in a long text from reading all of it each time.
    std::string oem = CodePage437::FromUtf8(text);
    std::replace(oem.begin(), oem.end(), '\0', ' ');
    buffer_.replace(wordStart_ - 1, wordEnd_ - wordStart_, oem);
    textSize_ = buffer_.size();
    position_ += oem.size();
    loadedRevision_ = control_.Revision();
}

int TCEBuffer::CaretScreenY() const {
    if (!control_.IsMemo()) {
        return control_.ClientScreenY();
    }
    return (control_.SelectionLine() - control_.FirstVisibleLine()) * control_.LineHeight() +
           control_.ClientScreenY();
}

bool TCEBuffer::TextChanged() const {
    if (loadedRevision_ != -1) {
        return control_.Revision() != loadedRevision_;
    }
    std::string text = CodePage437::FromUtf8(control_.Text());
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text.size() + 1 != textSize_ || buffer_.compare(0, text.size(), text) != 0;
}

bool TCEBuffer::Modified() const {
    return control_.Modified();
}

void TCEBuffer::SetModified(bool modified) {
    control_.SetModified(modified);
}

}  // namespace zendal
