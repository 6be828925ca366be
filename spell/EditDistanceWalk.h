#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zendal {

class TDCTFile;

// A word of a dictionary file close to a misspelled word.
struct EditCandidate {
    std::string word;            // code page 437, as stored
    int edits = 0;               // inserts, deletes, replaces and swaps of neighbours
    std::uint8_t frequency = 0;  // the file's frequency byte, 0 when unknown
};

// Finds the words of a word graph within a few edits of a word: a depth-first walk that carries
// one row of the edit distance table per letter of the path (neighbour swaps counted as one
// edit) and leaves a branch as soon as no cell of its row is within reach. Only the cells near
// the diagonal can be within reach, so a row costs a handful of steps. The walk also keeps the
// number of the word it spells, for its frequency byte.
class EditDistanceWalk {
  public:
    static constexpr int kMaxEdits = 3;

    // Appends to out the words of file within maxEdits (at most kMaxEdits) of word (code page
    // 437, A to Z lower-cased, at most 50 letters). Throws EDictionaryCorrupt for a graph that
    // keeps the walk busy past the file's budget.
    static void Collect(const TDCTFile& file, const std::string& word, int maxEdits,
                        std::vector<EditCandidate>& out);
};

}  // namespace zendal
