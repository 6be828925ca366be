#include "base/ui/BusyCursor.h"

#include <QApplication>

namespace zendal {

void BusyCursor::Set(bool busy) {
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace zendal
