#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zendal {

struct TSuggestion {
    std::string word;
    std::int16_t score = 0;
};

// Candidates in descending score order, never more than the capacity once the list holds one.
// Equal scores keep their arrival order: a newcomer never displaces an equal entry.
class TSuggestList {
  public:
    explicit TSuggestList(std::size_t capacity) : capacity_(capacity) {}

    std::size_t Capacity() const { return capacity_; }

    // Scores the candidate against the word and places it.
    void Rank(const std::string& word, const std::string& candidate);
    // Places a candidate with a known score.
    void Place(const std::string& candidate, std::int16_t score);

    const std::vector<TSuggestion>& Entries() const { return entries_; }

  private:
    std::size_t capacity_;
    std::vector<TSuggestion> entries_;
};

}  // namespace zendal
