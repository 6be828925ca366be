#include "spell/TDictionary.h"

#include <algorithm>
#include <atomic>
#include <filesystem>

#include "base/AsciiText.h"
#include "base/MessagePort.h"
#include "spell/CodePage437.h"
#include "spell/EDictionaryInUse.h"
#include "spell/EDictionaryNotFound.h"
#include "spell/RankedSuggester.h"
#include "spell/TSuggestionEngine.h"

namespace zendal {

namespace {

std::atomic<bool> dictionaryExists{false};

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return AsciiText::Equals(a, b);
}

std::uintmax_t FileSizeOrZero(const std::string& path) {
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

// The form in which the word test looks a word up: cut to 50 characters, A to Z lower-cased,
// a trailing 's removed.
std::string LookupForm(const std::string& oem) {
    std::string word = AsciiText::Lower(oem.substr(0, TDictionary::kMaxWordLength));
    if (word.ends_with("'s")) {
        word.resize(word.size() - 2);
    }
    return word;
}

}  // namespace

TDictionary::TDictionary(MessagePort& messages) {
    if (dictionaryExists.exchange(true)) {
        messages.Error("Programmer Error. Only one dictionary\robject can be initialized at once.");
        throw EDictionaryInUse();
    }
}

TDictionary::~TDictionary() {
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; Close() called beforehand does.
    }
    dictionaryExists = false;
}

bool TDictionary::OpenDictionary(const std::string& path) {
    std::string name = std::filesystem::path(path).filename().string();
    for (const auto& file : files_) {
        if (SameNameIgnoringCase(std::filesystem::path(file->FileName()).filename().string(),
                                 name)) {
            return true;
        }
    }
    try {
        files_.push_back(std::make_unique<TDCTFile>(path));
    } catch (const EDictionaryNotFound&) {
        return false;
    }
    return true;
}

std::string TDictionary::BesideFirstDictionary(const std::string& fileName) const {
    if (files_.empty()) {
        return fileName;
    }
    return (std::filesystem::path(files_.front()->FileName()).parent_path() / fileName).string();
}

bool TDictionary::LoadUserDictionary(const std::string& name) {
    bool hasFolder = std::filesystem::path(name).has_parent_path();
    userPath_ = hasFolder ? name : BesideFirstDictionary(name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(userPath_, error)) {
        userSizeAtLoad_ = 0;
        return false;
    }
    userSizeAtLoad_ = FileSizeOrZero(userPath_);
    userWords_.Clear();
    userWords_.LoadFile(userPath_);
    return true;
}

bool TDictionary::LoadExclusionList(const std::string& name) {
    std::error_code error;
    std::string path = name;
    if (!std::filesystem::is_regular_file(path, error)) {
        path = BesideFirstDictionary(std::filesystem::path(name).filename().string());
        if (!std::filesystem::is_regular_file(path, error)) {
            exclusions_.reset();
            return false;
        }
    }
    auto list = std::make_unique<TWordList>();
    list->LoadFile(path);
    exclusions_ = std::move(list);
    return true;
}

bool TDictionary::IsOemWord(const std::string& word) const {
    std::string w = LookupForm(word);
    if (exclusions_ && exclusions_->Contains(w)) {
        return false;
    }
    if (!userWords_.Empty() && userWords_.Contains(w)) {
        return true;
    }
    return std::any_of(files_.begin(), files_.end(),
                       [&w](const auto& file) { return file->FindWord(w); });
}

bool TDictionary::IsWord(const std::string& word) const {
    return IsOemWord(CodePage437::FromUtf8(word));
}

bool TDictionary::AddWord(const std::string& word) {
    std::string oem = CodePage437::FromUtf8(word);
    if (IsOemWord(oem)) {
        return false;
    }
    // Kept in the form the word test looks up, so that the word passes from now on (a
    // possessive adds its stem, since the test strips 's).
    std::string form = LookupForm(oem);
    if (form.empty()) {
        return false;
    }
    userWords_.Add(form);
    changed_ = true;
    return true;
}

void TDictionary::SaveUserDictionary() {
    if (userPath_.empty()) {
        return;  // no user dictionary was named
    }
    std::error_code error;
    bool exists = std::filesystem::is_regular_file(userPath_, error);
    if (exists && FileSizeOrZero(userPath_) != userSizeAtLoad_) {
        userWords_.LoadFile(userPath_);
    }
    userWords_.SaveFile(userPath_);
    changed_ = false;
}

void TDictionary::Close() {
    if (changed_) {
        SaveUserDictionary();
    }
    files_.clear();
}

std::vector<std::string> TDictionary::Suggest(const std::string& word, int count) const {
    return TSuggestionEngine(*this).Suggest(word, count);
}

std::vector<std::string> TDictionary::RankedSuggest(const std::string& word, int count) const {
    return RankedSuggester(*this).Suggest(word, count);
}

std::vector<std::string> TDictionary::CompleteWord(const std::string& typed, int count) const {
    return TSuggestionEngine(*this).CompleteWord(typed, count);
}

}  // namespace zendal
