#pragma once

#include <string>

namespace zendal {

// One entry row of the custom meta tag grid: the meta name (column 0) and its value (column 1).
struct CustomRow {
    std::string name;
    std::string value;
    bool operator==(const CustomRow&) const = default;
};

}  // namespace zendal
