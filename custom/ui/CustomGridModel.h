#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "custom/CustomGrid.h"

namespace zendal {

// The custom grid as a Qt table: the entry rows are the table's rows (table row i is grid row
// i + 1) and the header row is the horizontal header. The cells stay in the wizard fields; this
// model only shows and edits them. Line breaks in cells are CR LF; the view sees LF.
class CustomGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    CustomGridModel(WizardFields& fields, QObject* parent = nullptr);

    CustomGrid& Grid() { return grid_; }
    // Asked for each cell (grid row, column) whether it may be edited.
    void SetEditPermission(std::function<bool(int row, int col)> mayEdit);
    // Shows the grid anew after a command changed it.
    void Reload();
    // The grid row of a table row and back.
    static int GridRow(int tableRow) { return tableRow + 1; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    static QString ForView(const std::string& cell);
    static std::string FromView(const QString& text);

  private:
    CustomGrid grid_;
    std::function<bool(int row, int col)> mayEdit_;
    int shownRows_ = 0;
    int shownCols_ = 0;
};

}  // namespace zendal
