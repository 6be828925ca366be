#include "base/WordComparison.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>
#include <string_view>

#include "base/AsciiText.h"

namespace zendal {

namespace {

icu::Collator& CaseBlindCollator() {
    static std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        // The C and POSIX locales map to en_US_POSIX, whose collation orders by code and tells
        // case apart; such a user gets the common root rules instead.
        icu::Locale locale = icu::Locale::getDefault();
        if (std::string_view(locale.getVariant()) == "POSIX" || locale.getLanguage()[0] == '\0') {
            locale = icu::Locale::getRoot();
        }
        std::unique_ptr<icu::Collator> made(icu::Collator::createInstance(locale, status));
        if (U_FAILURE(status) || !made) {
            status = U_ZERO_ERROR;
            made.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
        }
        made->setStrength(icu::Collator::SECONDARY);
        return made;
    }();
    return *collator;
}

icu::UnicodeString FromUtf8(std::string_view text) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size()));
}

}  // namespace

int WordComparison::Compare(std::string_view a, std::string_view b) {
    UErrorCode status = U_ZERO_ERROR;
    UCollationResult result = CaseBlindCollator().compareUTF8(
        icu::StringPiece(a.data(), a.size()), icu::StringPiece(b.data(), b.size()), status);
    return result == UCOL_LESS ? -1 : (result == UCOL_GREATER ? 1 : 0);
}

std::string WordComparison::SortKey(std::string_view word) {
    icu::UnicodeString text = FromUtf8(word);
    icu::Collator& collator = CaseBlindCollator();
    int32_t size = collator.getSortKey(text, nullptr, 0);
    std::string key(static_cast<std::size_t>(size), '\0');
    collator.getSortKey(text, reinterpret_cast<uint8_t*>(key.data()), size);
    return key;
}

std::string WordComparison::FoldCase(std::string_view text) {
    if (AsciiText::IsAscii(text)) {
        return AsciiText::Lower(text);
    }
    std::string folded;
    FromUtf8(text).foldCase().toUTF8String(folded);
    return folded;
}

}  // namespace zendal
