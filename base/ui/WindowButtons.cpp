#include "base/ui/WindowButtons.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QToolButton>

namespace zendal {

void WindowButtons::SetHint(QWidget* widget, const char* hint) {
    widget->setToolTip(QString::fromUtf8(hint));
    widget->setStatusTip(QString::fromUtf8(hint));
}

QToolButton* WindowButtons::AddToolButton(QWidget* bar, const char* caption, const char* name,
                                          const char* hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromUtf8(caption));
    SetHint(button, hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->layout()->addWidget(button);
    return button;
}

QPushButton* WindowButtons::AddPushButton(QWidget* window, QBoxLayout* column, const char* caption,
                                          const char* name, const char* hint, OnEnter onEnter) {
    auto* button = new QPushButton(QString::fromUtf8(caption), window);
    button->setObjectName(QString::fromLatin1(name));
    if (onEnter == OnEnter::Ignore) {
        button->setAutoDefault(false);
    }
    if (hint != nullptr) {
        SetHint(button, hint);
    }
    column->addWidget(button);
    return button;
}

}  // namespace zendal
