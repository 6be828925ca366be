#pragma once

#include <string>

namespace zendal {

// One entry row of the custom meta tag grid: the meta name (column 0) and its value (column 1).
struct CustomRow {
    std::string name;
    std::string value;
    bool operator==(const CustomRow&) const = default;

    // The cells as the meta tags use them, when they are read and written: the name lower-cased
    // (A to Z) and trimmed of blanks and control characters, the value only trimmed.
    std::string MetaName() const;
    std::string MetaValue() const;
};

}  // namespace zendal
