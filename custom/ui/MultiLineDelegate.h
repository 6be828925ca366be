#pragma once

#include <QStyledItemDelegate>

namespace zendal {

// Edits a cell in place over several lines. Enter ends the edit and asks to move on;
// Shift+Enter or Ctrl+Enter puts a line break into the cell.
class MultiLineDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

  signals:
    // Enter ended an edit, after the text was stored.
    void enterPressed();

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

}  // namespace zendal
