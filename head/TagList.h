#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zendal {

class Wizard;

// The list of name=value entries that drives the reading of meta tags. Names are compared with
// the case of letters ignored; an entry's name is its text before the first '='.
class TagList {
  public:
    // The sets that the reading commands select.
    static constexpr int kKeywordsAndDescription = 1;
    static constexpr int kOptions = 2;
    static constexpr int kCustom = 7;

    // Clears the list and fills it with the entries of the set; any other number leaves it empty.
    void BuildTagList(Wizard& wizard, int set);

    void Clear() { entries_.clear(); }
    void Add(std::string entry) { entries_.push_back(std::move(entry)); }
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& Entry(int index) const { return entries_[index]; }
    std::string_view Name(int index) const;
    // Index of the first entry with that name, or -1.
    int IndexOfName(std::string_view name) const;
    bool HasName(std::string_view name) const { return IndexOfName(name) >= 0; }
    // The text after the first '=' of the name's entry; empty when there is none.
    std::string Value(std::string_view name) const;
    // Replaces the name's entry by name=value (appends one when there is none).
    void SetValue(std::string_view name, std::string_view value);

  private:
    std::vector<std::string> entries_;
};

}  // namespace zendal
