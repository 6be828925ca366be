#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zendal {

// Compiles a word list into the word-graph file that TDCTFile reads: a minimal acyclic word
// graph, in which words share their common prefixes and their common suffixes, with every
// sibling list sorted by letter (so that walks meet words in alphabetical byte order).
class TDCTCompiler {
  public:
    struct Options {
        // Leave out words ending in 's. The word test strips 's before it looks a word up, so
        // these could only crowd the suggestions.
        bool dropPossessives = false;
    };

    struct Result {
        std::size_t words = 0;    // distinct words in the graph
        std::size_t nodes = 0;    // nodes written
        std::size_t skipped = 0;  // words left out: too long, or not in code page 437
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
    // lines are dropped, and a leading byte order mark is ignored.
    static std::vector<std::string> ReadWordList(const std::string& path);

  private:
    Options options_;
    Result result_;
};

}  // namespace zendal
