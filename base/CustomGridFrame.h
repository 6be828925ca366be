#pragma once

#include <vector>

#include "base/CustomRow.h"

namespace zendal {

// The custom grid apart from its entry rows: the column count, the column widths in pixels and
// the fixed header row. A schema file sets all three; at start the grid has two columns of 64
// pixels and an empty header.
struct CustomGridFrame {
    int colCount = 2;
    std::vector<int> colWidths = std::vector<int>(2, 64);
    CustomRow header;
    bool operator==(const CustomGridFrame&) const = default;
};

}  // namespace zendal
