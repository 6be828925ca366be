#pragma once

#include <string>

#include "base/WizardFields.h"

namespace zendal {

// The custom meta tag grid grid1 as cells: column 0 holds the meta name, column 1 its value;
// row 0 is the fixed header row and rows 1 to the last are the entry rows. The cells live in
// the wizard fields (grid1 and grid1Frame); this class is the one way to work on them by
// column and row, so that every part sees the same grid.
class CustomGrid {
  public:
    static constexpr int kDefaultColWidth = 64;
    static constexpr int kStartEntryRows = 4;

    explicit CustomGrid(WizardFields& fields) : fields_(fields) {}

    int ColCount() const { return fields_.grid1Frame.colCount; }
    // Rows with the header row.
    int RowCount() const { return static_cast<int>(fields_.grid1.size()) + 1; }
    // Cells that stay keep their text; new ones are empty, new columns 64 pixels wide.
    void SetColCount(int count);
    void SetRowCount(int count);

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);

    // Empty outside the grid.
    const std::string& Cell(int col, int row) const;
    // Ignored outside the grid.
    void SetCell(int col, int row, std::string text);
    // Empties every cell; the row and column counts stay.
    void ClearCells();

    // An empty entry row at `row` (1 to RowCount()); the rows from there move down.
    void InsertRow(int row);
    // Removes the entry row `row` (1 to RowCount() - 1).
    void RemoveRow(int row);
    // Removes every entry row whose name and value are blank after trimming, except the last
    // row, which always stays.
    void RemoveBlankRows();
    // The grid at start: two columns of 64 pixels, an empty header row and 4 empty entry rows.
    void Reset();

    // Whether a cell may be edited: with the protect-name flag "1" the name column is refused.
    static bool CanEditCell(const std::string& protectName, int row, int col);

  private:
    // The text of a cell of the fields (const or not), or null outside the grid.
    template <typename Fields>
    static auto* CellIn(Fields& fields, int col, int row);

    WizardFields& fields_;
};

}  // namespace zendal
