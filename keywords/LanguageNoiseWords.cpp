#include "keywords/LanguageNoiseWords.h"

#include <filesystem>
#include <system_error>

#include "base/AsciiText.h"
#include "base/HomeFolder.h"
#include "keywords/NoiseWordFile.h"

namespace zendal {

std::string LanguageNoiseWords::LanguageOf(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) {
        ++i;
    }
    std::string language;
    for (; i < field.size(); ++i) {
        const char c = AsciiText::LowerAscii(field[i]);
        if (c < 'a' || c > 'z') {
            break;
        }
        language += c;
    }
    // A primary subtag has two or three letters; "English" names no language by its code.
    if (language.size() < 2 || language.size() > 3 || language == "en") {
        return {};
    }
    return language;
}

std::string LanguageNoiseWords::FileOf(const std::string& programFolder,
                                       const std::string& language) {
    const std::string relative = "noise/" + language + ".txt";
    std::error_code error;
    if (std::filesystem::is_regular_file(programFolder + relative, error)) {
        return programFolder + relative;
    }
    return HomeFolder::FindShipped(relative);
}

std::vector<std::string> LanguageNoiseWords::Load(const std::string& programFolder,
                                                  std::string_view languageField) {
    const std::string language = LanguageOf(languageField);
    if (language.empty()) {
        return {};
    }
    const std::string file = FileOf(programFolder, language);
    return file.empty() ? std::vector<std::string>{} : NoiseWordFile::Load(file);
}

}  // namespace zendal
