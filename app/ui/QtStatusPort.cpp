#include "app/ui/QtStatusPort.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

namespace zendal {

void QtStatusPort::Attach(QStatusBar* statusBar) {
    static const int kWidths[] = {90, 60, 90};
    for (int panel = StatePanel; panel <= MessagePanel; ++panel) {
        auto* label = new QLabel(statusBar);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (panel < MessagePanel) {
            label->setMinimumWidth(kWidths[panel]);
            statusBar->addWidget(label);
        } else {
            statusBar->addWidget(label, 1);
        }
        panels_[panel] = label;
    }
}

void QtStatusPort::SetPanelText(Panel panel, const std::string& text) {
    if (QLabel* label = panels_[panel]) {
        // Only schedules a repaint; it happens when the command lets events through.
        label->setText(QString::fromStdString(text));
    }
}

std::string QtStatusPort::PanelText(Panel panel) const {
    return panels_[panel] != nullptr ? panels_[panel]->text().toStdString() : std::string();
}

void QtStatusPort::ProcessMessages() {
    QApplication::processEvents();
}

void QtStatusPort::SetBusyCursor(bool busy) {
    busyCursor_.Set(busy);
}

}  // namespace zendal
