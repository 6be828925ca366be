#include "custom/ui/MultiLineDelegate.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <algorithm>

namespace zendal {

QWidget* MultiLineDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex&) const {
    auto* editor = new QPlainTextEdit(parent);
    editor->setObjectName("grid1Editor");
    editor->setFrameShape(QFrame::NoFrame);
    editor->setTabChangesFocus(true);
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return editor;
}

void MultiLineDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* text = static_cast<QPlainTextEdit*>(editor);
    text->setPlainText(index.data(Qt::EditRole).toString());
    // Typing over a cell replaces its text, as in a one-line editor.
    text->selectAll();
}

void MultiLineDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    // The raw text keeps non-breaking spaces, which toPlainText() turns into blanks.
    QString text = static_cast<QPlainTextEdit*>(editor)->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, '\n');
    text.replace(QChar::LineSeparator, '\n');
    model->setData(index, text, Qt::EditRole);
}

void MultiLineDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex&) const {
    // At least three lines high, so that a line break stays in sight in a low row.
    QRect rect = option.rect;
    rect.setHeight(std::max(rect.height(), editor->fontMetrics().height() * 3 + 6));
    editor->setGeometry(rect);
}

bool MultiLineDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QPlainTextEdit*>(object);
    if (editor != nullptr && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
                editor->insertPlainText("\n");
            } else {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                emit enterPressed();
            }
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace zendal
