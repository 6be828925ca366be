#include "base/CommaText.h"

namespace zendal {

namespace {

bool IsBlank(char c) {
    auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

}  // namespace

std::vector<std::string> CommaText::Split(std::string_view text) {
    std::vector<std::string> items;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i])) {
        ++i;
    }
    while (i < n) {
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            std::size_t start = i;
            while (i < n && !IsBlank(text[i]) && text[i] != ',') {
                ++i;
            }
            item.assign(text.substr(start, i - start));
        }
        items.push_back(std::move(item));
        while (i < n && IsBlank(text[i])) {
            ++i;
        }
        if (i < n && text[i] == ',') {
            ++i;
            while (i < n && IsBlank(text[i])) {
                ++i;
            }
        }
    }
    return items;
}

}  // namespace zendal
