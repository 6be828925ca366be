#include "custom/ui/MetaGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include "custom/ui/CustomGridModel.h"
#include "custom/ui/MultiLineDelegate.h"

namespace zendal {

MetaGrid::MetaGrid(CustomGridModel* model, QWidget* parent) : QTableView(parent), model_(model) {
    setObjectName("grid1");
    setModel(model_);
    auto* delegate = new MultiLineDelegate(this);
    setItemDelegate(delegate);
    connect(delegate, &MultiLineDelegate::enterPressed, this, &MetaGrid::MoveOnEnter);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setDefaultSectionSize(CustomGrid::kDefaultColWidth);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ApplyColumnWidths();
}

void MetaGrid::Reload() {
    model_->Reload();
    ApplyColumnWidths();
}

void MetaGrid::ApplyColumnWidths() {
    for (int col = 0; col < model_->columnCount(); ++col) {
        setColumnWidth(col, model_->Grid().ColWidth(col));
    }
}

void MetaGrid::StoreColumnWidths() {
    for (int col = 0; col < model_->columnCount(); ++col) {
        model_->Grid().SetColWidth(col, columnWidth(col));
    }
}

void MetaGrid::SetAutoSize(bool on) {
    QHeaderView* header = horizontalHeader();
    header->setStretchLastSection(!on);
    header->setSectionResizeMode(on ? QHeaderView::ResizeToContents : QHeaderView::Interactive);
}

void MetaGrid::CommitEdit() {
    if (state() != QAbstractItemView::EditingState) {
        return;
    }
    for (QPlainTextEdit* editor : findChildren<QPlainTextEdit*>("grid1Editor")) {
        if (editor->isVisible()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
}

void MetaGrid::MoveOnEnter() {
    const int rows = model_->rowCount();
    const int cols = model_->columnCount();
    if (cols == 0) {
        return;
    }
    QModelIndex current = currentIndex();
    int row = 0;
    int col = 0;
    if (current.isValid()) {
        row = current.row();
        col = current.column() + 1;
        if (col >= cols) {
            col = 0;
            ++row;
        }
    }
    if (row >= rows) {
        model_->insertRows(rows, 1);
        row = rows;
    }
    setCurrentIndex(model_->index(row, col));
}

void MetaGrid::InsertRowAfterCurrent() {
    QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() + 1 : model_->rowCount();
    model_->insertRows(row, 1);
    setCurrentIndex(model_->index(row, current.isValid() ? current.column() : 0));
}

void MetaGrid::DeleteCurrentRow() {
    QModelIndex current = currentIndex();
    if (!current.isValid() || model_->rowCount() < 2) {
        return;
    }
    int col = current.column();
    int row = current.row();
    model_->removeRows(row, 1);
    setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), col));
}

bool MetaGrid::MayEdit(const QModelIndex& index) const {
    return index.isValid() && (model_->flags(index) & Qt::ItemIsEditable);
}

void MetaGrid::CopyCell() {
    QModelIndex current = currentIndex();
    if (current.isValid()) {
        QApplication::clipboard()->setText(current.data(Qt::EditRole).toString());
    }
}

void MetaGrid::CutCell() {
    QModelIndex current = currentIndex();
    if (MayEdit(current)) {
        CopyCell();
        model_->setData(current, QString());
    }
}

void MetaGrid::PasteCell() {
    QModelIndex current = currentIndex();
    if (MayEdit(current)) {
        model_->setData(current, QApplication::clipboard()->text());
    }
}

void MetaGrid::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState) {
        if (event->matches(QKeySequence::Copy)) {
            return CopyCell();
        }
        if (event->matches(QKeySequence::Cut)) {
            return CutCell();
        }
        if (event->matches(QKeySequence::Paste)) {
            return PasteCell();
        }
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return MoveOnEnter();
            case Qt::Key_Insert:
                if (event->modifiers() == Qt::NoModifier) {
                    return InsertRowAfterCurrent();
                }
                break;
            case Qt::Key_Delete:
                if (event->modifiers() == Qt::NoModifier) {
                    return DeleteCurrentRow();
                }
                break;
            default:
                break;
        }
    }
    QTableView::keyPressEvent(event);
}

}  // namespace zendal
