#include "spell/TWordList.h"

#include <unicode/ucol.h>
#include <unicode/uloc.h>
#include <unicode/unistr.h>

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "base/AsciiText.h"
#include "base/EFileCreate.h"
#include "base/EFileOpen.h"
#include "spell/CodePage437.h"

namespace zendal {

struct TWordList::Collator {
    UCollator* handle = nullptr;
    Collator() {
        UErrorCode status = U_ZERO_ERROR;
        // The C locale (ICU's en_US_POSIX) orders by code point, capitals apart; it states no
        // preference, so the root order serves it.
        std::string locale = uloc_getDefault();
        if (locale == "en_US_POSIX" || locale == "c" || locale == "C") {
            locale.clear();
        }
        handle = ucol_open(locale.c_str(), &status);
        if (U_FAILURE(status)) {
            status = U_ZERO_ERROR;
            handle = ucol_open("", &status);
        }
        if (handle != nullptr) {
            // Secondary strength: letters and accents count, letter case does not.
            ucol_setStrength(handle, UCOL_SECONDARY);
        }
    }
    ~Collator() {
        if (handle != nullptr) {
            ucol_close(handle);
        }
    }
};

TWordList::TWordList() : collator_(std::make_unique<Collator>()) {}
TWordList::~TWordList() = default;

std::string TWordList::SortKey(const std::string& word) const {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(CodePage437::ToUtf8(word));
    if (collator_->handle == nullptr) {
        return AsciiText::Lower(word);
    }
    std::string key(64, '\0');
    for (;;) {
        int32_t length = ucol_getSortKey(collator_->handle, text.getBuffer(), text.length(),
                                         reinterpret_cast<uint8_t*>(key.data()),
                                         static_cast<int32_t>(key.size()));
        if (length <= static_cast<int32_t>(key.size())) {
            key.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);  // drop the zero
            return key;
        }
        key.resize(static_cast<std::size_t>(length));
    }
}

bool TWordList::Contains(const std::string& word) const {
    if (entries_.empty()) {
        return false;
    }
    std::string key = SortKey(word);
    auto found = std::lower_bound(entries_.begin(), entries_.end(), key,
                                  [](const Entry& e, const std::string& k) { return e.key < k; });
    return found != entries_.end() && found->key == key;
}

bool TWordList::Add(const std::string& word) {
    std::string key = SortKey(word);
    auto place = std::lower_bound(entries_.begin(), entries_.end(), key,
                                  [](const Entry& e, const std::string& k) { return e.key < k; });
    if (place != entries_.end() && place->key == key) {
        return false;
    }
    entries_.insert(place, Entry{std::move(key), word});
    return true;
}

std::vector<std::string> TWordList::Words() const {
    std::vector<std::string> words;
    words.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        words.push_back(entry.word);
    }
    return words;
}

void TWordList::LoadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw EFileOpen(path);
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw EFileOpen(path);
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            Add(text.substr(start, end - start));
        }
        start = end + 1;
    }
}

void TWordList::SaveFile(const std::string& path) const {
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::WriteOnly)) {
        throw EFileCreate(path);
    }
    std::string text;
    for (const Entry& entry : entries_) {
        text += entry.word;
        text += "\r\n";
    }
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        throw EFileCreate(path);
    }
}

}  // namespace zendal
