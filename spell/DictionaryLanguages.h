#pragma once

#include <string>
#include <vector>

namespace zendal {

// The spelling dictionaries by language: zendal.dct holds en-us, zendal-LANG.dct any other
// language (zendal-en-gb.dct, zendal-de.dct). en-us is read from the program folder only; any
// other language from the program folder, else from the shipped defaults.
class DictionaryLanguages {
  public:
    static constexpr const char* kDefault = "en-us";

    struct Choice {
        std::string language;   // the dictionary's language
        bool fellBack = false;  // the page's language has none: en-us stands in
    };

    static std::string FileName(const std::string& language);
    // The dictionary file of a language, looked up as described above; the program folder's
    // path when there is none (so that opening it fails with that name).
    static std::string PathOf(const std::string& language, const std::string& programFolder);
    // The dictionary for a page's language field (letter case and blanks aside): the language
    // itself, else its main language (de for de-at; en stands for en-us), else en-us. An empty
    // field means en-us without falling back.
    static Choice ForPage(const std::string& field, const std::string& programFolder);
    // Every language that has a dictionary, en-us first, the others in alphabetical order.
    static std::vector<std::string> Available(const std::string& programFolder);
    // The status bar's note when a page's language has no dictionary.
    static std::string FallbackNote(const std::string& field);

  private:
    static bool Exists(const std::string& language, const std::string& programFolder);
};

}  // namespace zendal
