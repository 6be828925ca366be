#include "app/ui/TSplashForm.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace zendal {

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashForm"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 20);
    // The name in the type of a first heading (bold, twice the size), set as plain text: the
    // label then needs no rich text document to parse, lay out and paint.
    auto* name = new QLabel(QStringLiteral("Zendal"), this);
    QFont heading = name->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 2);
    name->setFont(heading);
    auto* line = new QLabel(QStringLiteral("The Metadata Composer"), this);
    auto* version = new QLabel(
        QStringLiteral("Version %1 - starting...").arg(QStringLiteral(ZENDAL_VERSION)), this);
    for (QLabel* label : {name, line, version}) {
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
    }
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
}

void TSplashForm::ShowNow() {
    adjustSize();
    if (QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace zendal
