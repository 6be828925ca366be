#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zendal {

class WordFrequencyList;

// Compiles a word list into the word-graph file that TDCTFile reads: a minimal acyclic word
// graph, in which words share their common prefixes and their common suffixes, with every
// sibling list sorted by letter (so that walks meet words in alphabetical byte order).
//
// With word counts, the file also gets a ranking section after the nodes, which the graph's
// walks never reach: for each node, how many words its earlier siblings lead to (so that a walk
// knows the number of the word it spells, in alphabetical order), and for each word a byte of
// its frequency (WordFrequencyList::Band; 0 for a word without a count).
class TDCTCompiler {
  public:
    struct Options {
        // Leave out words ending in 's. The word test strips 's before it looks a word up, so
        // these could only crowd the suggestions.
        bool dropPossessives = false;
        // Counts for the ranking section; none: no section.
        const WordFrequencyList* frequencies = nullptr;
    };

    struct Result {
        std::size_t words = 0;    // distinct words in the graph
        std::size_t nodes = 0;    // nodes written
        std::size_t skipped = 0;  // words left out: too long, or not in code page 437
        std::size_t counted = 0;  // words with a count in the frequency list
    };

    explicit TDCTCompiler(Options options);
    TDCTCompiler() : TDCTCompiler(Options{}) {}

    // Words are UTF-8; letters A to Z are folded to lower case as the word test does.
    std::string Compile(const std::vector<std::string>& words);
    // Reads a UTF-8 word list (one word per line) and writes the dictionary file atomically.
    // Throws EFileOpen or EFileCreate.
    void CompileFile(const std::string& wordListPath, const std::string& outputPath);

    const Result& LastResult() const { return result_; }

    // The lines of a word list: line breaks CR LF, LF or CR; blanks around a word and empty
    // lines are dropped, and a leading byte order mark is ignored. A list that is not valid
    // UTF-8 is read as Windows-1252 (which holds Latin-1's letters).
    static std::vector<std::string> ReadWordList(const std::string& path);

  private:
    Options options_;
    Result result_;
};

}  // namespace zendal
