#include "custom/CustomGrid.h"

#include <algorithm>

namespace zendal {

namespace {

// Blanks and control characters, as trimming sees them.
bool IsBlankChar(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), IsBlankChar);
}

}  // namespace

void CustomGrid::SetColCount(int count) {
    CustomGridFrame& frame = fields_.grid1Frame;
    count = std::max(count, 0);
    frame.colCount = count;
    frame.colWidths.resize(static_cast<std::size_t>(count), kDefaultColWidth);
    // Rows hold two cells; those beyond the column count are no part of the grid.
    for (int col = count; col < 2; ++col) {
        for (int row = 0; row < RowCount(); ++row) {
            CellText(col, row)->clear();
        }
    }
}

void CustomGrid::SetRowCount(int count) {
    fields_.grid1.resize(static_cast<std::size_t>(std::max(count, 1) - 1));
}

int CustomGrid::ColWidth(int col) const {
    const std::vector<int>& widths = fields_.grid1Frame.colWidths;
    return col >= 0 && col < static_cast<int>(widths.size()) ? widths[col] : kDefaultColWidth;
}

void CustomGrid::SetColWidth(int col, int width) {
    std::vector<int>& widths = fields_.grid1Frame.colWidths;
    if (col >= 0 && col < static_cast<int>(widths.size())) {
        widths[col] = width;
    }
}

std::string* CustomGrid::CellText(int col, int row) {
    if (col < 0 || col > 1 || row < 0 || row >= RowCount()) {
        return nullptr;
    }
    CustomRow& cells = row == 0 ? fields_.grid1Frame.header : fields_.grid1[row - 1];
    return col == 0 ? &cells.name : &cells.value;
}

const std::string& CustomGrid::Cell(int col, int row) const {
    static const std::string empty;
    if (col >= ColCount()) {
        return empty;
    }
    const std::string* text = const_cast<CustomGrid*>(this)->CellText(col, row);
    return text != nullptr ? *text : empty;
}

void CustomGrid::SetCell(int col, int row, std::string text) {
    if (col >= ColCount()) {
        return;
    }
    if (std::string* cell = CellText(col, row)) {
        *cell = std::move(text);
    }
}

void CustomGrid::ClearCells() {
    fields_.grid1Frame.header = {};
    std::fill(fields_.grid1.begin(), fields_.grid1.end(), CustomRow{});
}

void CustomGrid::InsertRow(int row) {
    row = std::clamp(row, 1, RowCount());
    fields_.grid1.insert(fields_.grid1.begin() + (row - 1), CustomRow{});
}

void CustomGrid::RemoveRow(int row) {
    if (row >= 1 && row < RowCount()) {
        fields_.grid1.erase(fields_.grid1.begin() + (row - 1));
    }
}

void CustomGrid::RemoveBlankRows() {
    std::vector<CustomRow>& rows = fields_.grid1;
    if (rows.empty()) {
        return;
    }
    // Removing a row never changes which row is last, so one pass over all but the last row
    // gives what walking the rows and looking again at each row that moves up gives.
    auto last = rows.end() - 1;
    auto kept = std::remove_if(rows.begin(), last, [](const CustomRow& row) {
        return IsBlank(row.name) && IsBlank(row.value);
    });
    rows.erase(kept, last);
}

void CustomGrid::Reset() {
    fields_.grid1Frame = CustomGridFrame{};
    fields_.grid1.assign(kStartEntryRows, CustomRow{});
}

bool CustomGrid::CanEditCell(const std::string& protectName, int /*row*/, int col) {
    return !(protectName == "1" && col == 0);
}

}  // namespace zendal
