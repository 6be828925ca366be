#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zendal {

// The attributes of the tag being read: up to 63 (name, value) pairs in fixed slots. The slots
// keep their storage when the list is cleared, so reading tags allocates nothing once warm.
class AttVal {
  public:
    static constexpr int kSlots = 64;
    static constexpr int kMaxPairs = kSlots - 1;

    int Count() const { return count_; }
    const std::string& Name(int index) const { return names_[index]; }
    const std::string& Value(int index) const { return values_[index]; }

    // Appends a pair; false (and nothing added) when the list already holds kMaxPairs.
    bool Add(std::string_view name, std::string_view value);
    void Clear();

  private:
    int count_ = 0;
    std::array<std::string, kSlots> names_;
    std::array<std::string, kSlots> values_;
};

}  // namespace zendal
