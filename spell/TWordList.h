#pragma once

#include <string>
#include <vector>

namespace zendal {

// A sorted list of words in code page 437 bytes (the user dictionary, the exclusion list),
// ordered and compared as the user's locale collates them with letter case ignored. A word
// equal to one in the list under that comparison is a duplicate and is not added.
class TWordList {
  public:
    TWordList();
    ~TWordList();
    TWordList(const TWordList&) = delete;
    TWordList& operator=(const TWordList&) = delete;

    bool Contains(const std::string& word) const;
    // False when the list already holds the word.
    bool Add(const std::string& word);
    void Clear() { entries_.clear(); }
    bool Empty() const { return entries_.empty(); }
    std::size_t Size() const { return entries_.size(); }
    // The words in stored order.
    std::vector<std::string> Words() const;

    // Adds the lines of a text file (one word per line; empty lines are skipped). Throws
    // EFileOpen when the file cannot be read.
    void LoadFile(const std::string& path);
    // Writes one word per line, each ended by CR LF, through a temporary file that replaces the
    // old one only when it is complete. Throws EFileCreate.
    void SaveFile(const std::string& path) const;

  private:
    struct Entry {
        std::string key;  // collation sort key
        std::string word;
    };
    // WordComparison's key of the word's UTF-8 form.
    static std::string SortKey(const std::string& word);

    std::vector<Entry> entries_;
};

}  // namespace zendal
