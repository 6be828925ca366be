#include "spell/MemoryEditControl.h"

#include <algorithm>

namespace zendal {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

int MemoryEditControl::Length() const {
    return static_cast<int>(
        std::count_if(text_.begin(), text_.end(), [](char c) { return !IsContinuationByte(c); }));
}

std::size_t MemoryEditControl::ByteOffset(int characters) const {
    std::size_t i = 0;
    for (int seen = 0; i < text_.size(); ++i) {
        if (!IsContinuationByte(text_[i]) && seen++ == characters) {
            break;
        }
    }
    return i;
}

void MemoryEditControl::SetSelection(int start, int length) {
    int size = Length();
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
}

void MemoryEditControl::ReplaceSelection(const std::string& text) {
    std::size_t from = ByteOffset(selStart_);
    std::size_t to = ByteOffset(selStart_ + selLength_);
    text_.replace(from, to - from, text);
    selStart_ += static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
    selLength_ = 0;
    modified_ = true;
}

void MemoryEditControl::SetText(std::string text) {
    text_ = std::move(text);
    SetSelection(selStart_, selLength_);
    modified_ = true;
}

}  // namespace zendal
