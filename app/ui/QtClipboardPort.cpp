#include "app/ui/QtClipboardPort.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zendal {

void QtClipboardPort::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace zendal
