#include "keywords/AttVal.h"

namespace zendal {

bool AttVal::Add(std::string_view name, std::string_view value) {
    if (count_ >= kMaxPairs) {
        return false;
    }
    names_[count_].assign(name);
    values_[count_].assign(value);
    ++count_;
    return true;
}

void AttVal::Clear() {
    for (int i = 0; i < count_; ++i) {
        names_[i].clear();
        values_[i].clear();
    }
    count_ = 0;
}

}  // namespace zendal
