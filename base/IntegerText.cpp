#include "base/IntegerText.h"

#include <cstdint>

namespace zendal {

int IntegerText::Parse(const std::string& text) {
    auto fail = [&text]() -> int {
        throw EConvertError("'" + text + "' is not a valid integer value");
    };
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) {
        return fail();
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return fail();
        }
        value = value * base + digit;
        if (value > limit) {
            return fail();
        }
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace zendal
