#include "custom/ui/CustomGridModel.h"

namespace zendal {

CustomGridModel::CustomGridModel(WizardFields& fields, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(fields),
      shownRows_(grid_.RowCount() - 1),
      shownCols_(grid_.ColCount()) {}

void CustomGridModel::SetEditPermission(std::function<bool(int row, int col)> mayEdit) {
    mayEdit_ = std::move(mayEdit);
}

void CustomGridModel::Reload() {
    if (shownRows_ != grid_.RowCount() - 1 || shownCols_ != grid_.ColCount()) {
        beginResetModel();
        shownRows_ = grid_.RowCount() - 1;
        shownCols_ = grid_.ColCount();
        endResetModel();
        return;
    }
    // Same shape: keep the rows' heights and the current cell.
    if (shownRows_ > 0 && shownCols_ > 0) {
        emit dataChanged(index(0, 0), index(shownRows_ - 1, shownCols_ - 1));
    }
    if (shownCols_ > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, shownCols_ - 1);
    }
}

int CustomGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int CustomGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCols_;
}

QString CustomGridModel::ForView(const std::string& cell) {
    QString text = QString::fromStdString(cell);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text;
}

std::string CustomGridModel::FromView(const QString& text) {
    QString cell = text;
    cell.replace("\r\n", "\n");
    cell.replace('\r', '\n');
    cell.replace("\n", "\r\n");
    return cell.toStdString();
}

QVariant CustomGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return ForView(grid_.Cell(index.column(), GridRow(index.row())));
}

bool CustomGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    std::string text = FromView(value.toString());
    if (text == grid_.Cell(index.column(), GridRow(index.row()))) {
        return true;
    }
    grid_.SetCell(index.column(), GridRow(index.row()), std::move(text));
    emit dataChanged(index, index);
    return true;
}

QVariant CustomGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return ForView(grid_.Cell(section, 0));
    }
    return section + 1;
}

Qt::ItemFlags CustomGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && (!mayEdit_ || mayEdit_(GridRow(index.row()), index.column()))) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool CustomGridModel::insertRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || row > shownRows_ || count < 1) {
        return false;
    }
    beginInsertRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i) {
        grid_.InsertRow(GridRow(row));
    }
    shownRows_ += count;
    endInsertRows();
    return true;
}

bool CustomGridModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count < 1 || row + count > shownRows_) {
        return false;
    }
    beginRemoveRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i) {
        grid_.RemoveRow(GridRow(row));
    }
    shownRows_ -= count;
    endRemoveRows();
    return true;
}

}  // namespace zendal
