#include "app/ui/QtMessagePort.h"

#include <QMessageBox>

#include "base/DocumentCodec.h"

namespace zendal {

namespace {

// Messages may break their lines with CR alone; the box wants LF.
QString BoxText(const std::string& text) {
    return QString::fromStdString(
        DocumentCodec::WithLineBreaks(text, DocumentFormat::LineBreaks::LF));
}

const QString kTitle = QStringLiteral("Zendal");

}  // namespace

void QtMessagePort::Show(Box box, Outcome, const std::string& text) {
    QMessageBox message(box == Box::Error ? QMessageBox::Critical : QMessageBox::NoIcon, kTitle,
                        BoxText(text), QMessageBox::Ok, parent_);
    message.exec();
}

bool QtMessagePort::AskYesNo(const std::string& text) {
    return QMessageBox::question(parent_, kTitle, BoxText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace zendal
