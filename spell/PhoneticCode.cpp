#include "spell/PhoneticCode.h"

#include "base/AsciiText.h"

namespace zendal {

namespace {

// Digits, apostrophes and letters outside A to Z share one code of their own, which is then
// treated like a consonant's digit.
constexpr char kOtherCode = '9';

char CodeDigit(char upper) {
    switch (upper) {
        case 'A':
        case 'E':
        case 'H':
        case 'I':
        case 'O':
        case 'U':
        case 'W':
        case 'Y':
            return '0';
        case 'B':
        case 'F':
        case 'P':
        case 'V':
            return '1';
        case 'C':
        case 'G':
        case 'J':
        case 'K':
        case 'Q':
        case 'S':
        case 'X':
        case 'Z':
            return '2';
        case 'D':
        case 'T':
            return '3';
        case 'L':
            return '4';
        case 'M':
        case 'N':
            return '5';
        case 'R':
            return '6';
        default:
            return kOtherCode;
    }
}

}  // namespace

void PhoneticCode::Append(char c) {
    if (code_.size() >= kLength) {
        return;  // later characters never change the first four
    }
    char upper = AsciiText::UpperAscii(c);
    if (code_.empty()) {
        code_ += upper;
        return;
    }
    char digit = CodeDigit(upper);
    if (digit == '0') {
        return;
    }
    // Compared with the previous kept digit only, never with the first letter.
    if (code_.size() >= 2 && code_.back() == digit) {
        return;
    }
    code_ += digit;
}

std::string PhoneticCode::Of(const std::string& s, bool fill) {
    PhoneticCode code;
    for (char c : s) {
        code.Append(c);
        if (code.code_.size() >= kLength) {
            break;
        }
    }
    std::string result = code.code_;
    if (fill && result.size() < kLength) {
        result.append(kLength - result.size(), '0');
    }
    return result;
}

bool PhoneticCode::PrefixTest(const std::string& candidate, const std::string& target) {
    PhoneticCode code;
    for (char c : candidate) {
        code.Append(c);
        if (code.code_.size() >= kLength) {
            break;
        }
    }
    return code.IsPrefixOf(target);
}

}  // namespace zendal
