#include "spell/DictionaryLanguages.h"

#include <algorithm>
#include <filesystem>

#include "base/AsciiText.h"
#include "base/HomeFolder.h"

namespace zendal {

namespace {

namespace fs = std::filesystem;

constexpr const char* kPrefix = "zendal-";
constexpr const char* kExtension = ".dct";

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::string Normalised(const std::string& field) {
    return AsciiText::Lower(AsciiText::Trim(field));
}

// The language of a dictionary file's name, or empty for another file.
std::string LanguageOfFile(const std::string& name) {
    if (name == DictionaryLanguages::FileName(DictionaryLanguages::kDefault)) {
        return DictionaryLanguages::kDefault;
    }
    std::string prefix = kPrefix;
    std::string extension = kExtension;
    if (name.size() <= prefix.size() + extension.size() || !name.starts_with(prefix) ||
        !name.ends_with(extension)) {
        return {};
    }
    return name.substr(prefix.size(), name.size() - prefix.size() - extension.size());
}

}  // namespace

std::string DictionaryLanguages::FileName(const std::string& language) {
    return language == kDefault ? std::string("zendal.dct") : kPrefix + language + kExtension;
}

std::string DictionaryLanguages::PathOf(const std::string& language,
                                        const std::string& programFolder) {
    std::string own = programFolder + FileName(language);
    if (language == kDefault || IsFile(own)) {
        return own;
    }
    std::string shipped = HomeFolder::FindShipped(FileName(language));
    return shipped.empty() ? own : shipped;
}

bool DictionaryLanguages::Exists(const std::string& language, const std::string& programFolder) {
    return IsFile(PathOf(language, programFolder));
}

DictionaryLanguages::Choice DictionaryLanguages::ForPage(const std::string& field,
                                                         const std::string& programFolder) {
    std::string language = Normalised(field);
    if (language.empty()) {
        return {kDefault, false};
    }
    std::string main = language.substr(0, language.find('-'));
    for (const std::string& candidate : {language, main}) {
        if (candidate == "en" || candidate == kDefault) {
            return {kDefault, false};
        }
        if (!candidate.empty() && Exists(candidate, programFolder)) {
            return {candidate, false};
        }
    }
    return {kDefault, true};
}

std::vector<std::string> DictionaryLanguages::Available(const std::string& programFolder) {
    std::vector<std::string> languages;
    std::vector<std::string> folders = HomeFolder::DataFolders();
    folders.insert(folders.begin(), programFolder);
    for (const std::string& folder : folders) {
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
            std::string language = LanguageOfFile(entry.path().filename().string());
            if (!language.empty() && language != kDefault && IsFile(entry.path())) {
                languages.push_back(language);
            }
        }
    }
    std::sort(languages.begin(), languages.end());
    languages.erase(std::unique(languages.begin(), languages.end()), languages.end());
    languages.insert(languages.begin(), kDefault);
    return languages;
}

std::string DictionaryLanguages::FallbackNote(const std::string& field) {
    return "No spelling dictionary for " + Normalised(field) + ": checking with " + kDefault;
}

}  // namespace zendal
