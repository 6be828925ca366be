#include "app/ui/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "base/HomeFolder.h"

namespace zendal {

HelpWindow::~HelpWindow() {
    delete window_.data();
}

QString HelpWindow::PageOf(HelpContext context) {
    for (const HelpPage& page : kHelpPages) {
        if (page.context == context) {
            return QString::fromLatin1(page.file);
        }
    }
    return QStringLiteral("contents.html");
}

QString HelpWindow::Folder() {
    const std::string contents = HomeFolder::FindShipped("help/contents.html");
    return contents.empty() ? QString()
                            : QFileInfo(QString::fromStdString(contents)).absolutePath();
}

void HelpWindow::ShowContext(HelpContext context) {
    if (window_.isNull()) {
        // A window of its own, so that help stays open beside the wizard.
        window_ = new QWidget(owner_, Qt::Window);
        window_->setObjectName(QStringLiteral("HelpWindow"));
        window_->setWindowTitle(QStringLiteral("Zendal Help"));
        auto* layout = new QVBoxLayout(window_);
        layout->setContentsMargins(0, 0, 0, 0);
        browser_ = new QTextBrowser(window_);
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        browser_->setOpenExternalLinks(true);
        layout->addWidget(browser_);
        window_->resize(640, 560);
        const QString folder = Folder();
        if (!folder.isEmpty()) {
            browser_->setSearchPaths({folder});
        }
    }
    const QString folder = Folder();
    if (folder.isEmpty()) {
        browser_->setHtml(QStringLiteral("<p>The help pages of Zendal are not installed.</p>"));
    } else {
        browser_->setSource(QUrl::fromLocalFile(QDir(folder).filePath(PageOf(context))));
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace zendal
