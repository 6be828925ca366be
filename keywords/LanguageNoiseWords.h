#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zendal {

// The noise words of the page's language besides the user's own list srexclude.txt, which holds
// the English ones as shipped. Each other language has its list noise/LANG.txt (one word a
// line, as in srexclude.txt) among the shipped defaults; a copy in the home folder's noise/
// folder takes its place.
class LanguageNoiseWords {
  public:
    // The language of a language field's text: its primary subtag in lower case, "de" of
    // "de-AT" or "DE_de"; empty for English, an empty field and a field that holds no code.
    static std::string LanguageOf(std::string_view field);
    // The file of a language's list, the home folder's copy first; empty when there is none.
    static std::string FileOf(const std::string& programFolder, const std::string& language);
    // The list for the language field; none for English or a language without a list. Throws
    // EFileOpen when the list exists but cannot be read.
    static std::vector<std::string> Load(const std::string& programFolder,
                                         std::string_view languageField);
};

}  // namespace zendal
