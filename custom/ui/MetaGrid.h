#pragma once

#include <QTableView>

namespace zendal {

class CustomGridModel;

// The custom grid grid1: two columns (name, value) under the header row, cells of several
// word-wrapped lines edited in place, rows and columns resized with the mouse, the last column
// stretched. Enter moves to the next cell, left to right, and past the last cell adds a row;
// Insert adds an empty row after the current one; Delete removes the current row while at
// least two entry rows remain; cut, copy and paste work on the current cell.
class MetaGrid : public QTableView {
    Q_OBJECT

  public:
    static constexpr int kDefaultRowHeight = 18;

    explicit MetaGrid(CustomGridModel* model, QWidget* parent = nullptr);

    CustomGridModel* Model() const { return model_; }
    // Shows the grid anew after a command changed it, with its column widths.
    void Reload();
    // Writes the shown column widths into the grid, as a save records them.
    void StoreColumnWidths();
    // On: the last column stops being stretched and every column follows its content. Off:
    // the columns can be resized again and the last one fills the grid.
    void SetAutoSize(bool on);

    // Ends an edit in progress, keeping its text (before a command reads the grid).
    void CommitEdit();

    void MoveOnEnter();
    void InsertRowAfterCurrent();
    void DeleteCurrentRow();
    void CopyCell();
    void CutCell();
    void PasteCell();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void ApplyColumnWidths();
    bool MayEdit(const QModelIndex& index) const;

    CustomGridModel* model_;
};

}  // namespace zendal
