#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "spell/TDCTFile.h"
#include "spell/TWordList.h"

namespace zendal {

class MessagePort;

// The spell checker's dictionaries: the open main dictionary files, the user dictionary
// (CUSTOM.DCT, words the user added) and an optional exclusion list of words that are always
// reported. Words come and go as UTF-8; inside, they are code page 437 bytes.
//
// Only one dictionary object may exist at a time.
class TDictionary {
  public:
    static constexpr std::size_t kMaxWordLength = TDCTFile::kMaxWordLength;

    // Shows the programmer-error box and throws EDictionaryInUse when one already exists.
    explicit TDictionary(MessagePort& messages);
    // Closes; a failure to save is dropped here, so call Close first to see it.
    ~TDictionary();
    TDictionary(const TDictionary&) = delete;
    TDictionary& operator=(const TDictionary&) = delete;

    // False when the file does not exist. A file of the same name (folder and letter case
    // aside) that is already open counts as opened. Throws EDictionaryCorrupt.
    bool OpenDictionary(const std::string& path);
    // Whether the user dictionary file exists; if so its words replace the list. A name
    // without a folder lies beside the first open dictionary file.
    bool LoadUserDictionary(const std::string& name);
    // Whether the exclusion list was found (as named, or beside the first dictionary file).
    bool LoadExclusionList(const std::string& name);

    bool IsWord(const std::string& word) const;
    // False when the word test already accepts the word.
    bool AddWord(const std::string& word);
    // Writes the user dictionary, merging in the words that another program added to the file
    // since it was loaded.
    void SaveUserDictionary();
    // Saves when words were added, and closes the dictionary files.
    void Close();
    // Closes the main dictionary files only, to open another language's; the user dictionary
    // and the exclusion list stay.
    void CloseDictionaryFiles() { files_.clear(); }

    // The sound-alike list (TSuggestionEngine) and the ranked list (RankedSuggester).
    std::vector<std::string> Suggest(const std::string& word, int count) const;
    std::vector<std::string> RankedSuggest(const std::string& word, int count) const;
    std::vector<std::string> CompleteWord(const std::string& typed, int count) const;

    // The word test on code page 437 bytes.
    bool IsOemWord(const std::string& word) const;
    const std::vector<std::unique_ptr<TDCTFile>>& DictionaryFiles() const { return files_; }
    const TWordList& UserWords() const { return userWords_; }
    const std::string& UserDictionaryPath() const { return userPath_; }
    bool Changed() const { return changed_; }

  private:
    // The folder of the first open dictionary file joined with a file name.
    std::string BesideFirstDictionary(const std::string& fileName) const;

    std::vector<std::unique_ptr<TDCTFile>> files_;
    TWordList userWords_;
    std::string userPath_;
    std::uintmax_t userSizeAtLoad_ = 0;
    bool changed_ = false;
    std::unique_ptr<TWordList> exclusions_;
};

}  // namespace zendal
