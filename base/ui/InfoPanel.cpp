#include "base/ui/InfoPanel.h"

namespace zendal {

InfoPanel::InfoPanel(const QString& text, const char* objectName, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(QString::fromLatin1(objectName));
    setWordWrap(true);
    setAlignment(Qt::AlignTop | Qt::AlignLeft);
    setMargin(8);
    setAutoFillBackground(true);
    QPalette tip = palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
    setPalette(tip);
}

}  // namespace zendal
