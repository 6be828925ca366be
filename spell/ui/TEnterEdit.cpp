#include "spell/ui/TEnterEdit.h"

#include <QKeyEvent>

namespace zendal {

void TEnterEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
        event->modifiers().testFlag(Qt::ControlModifier)) {
        setText(text().toUpper());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace zendal
