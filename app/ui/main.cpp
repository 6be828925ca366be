#include <QApplication>
#include <QCommandLineParser>
#include <exception>
#include <memory>

#include "app/HomeFolder.h"
#include "app/IniSettingsStore.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/TForm1.h"

using namespace zendal;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zendal"));
    QApplication::setApplicationVersion(QStringLiteral(ZENDAL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Composes the title and meta tags of an HTML page."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("The Zendal home folder."),
                                  QStringLiteral("DIR"));
    parser.addOption(homeOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The page to work on."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        parser.showHelp(2);
    }

    TForm1 form;
    std::string home;
    std::unique_ptr<IniSettingsStore> settings;
    try {
        home = HomeFolder::Resolve(parser.value(homeOption).toStdString());
        HomeFolder::Seed(home);
        settings = std::make_unique<IniSettingsStore>(home);
    } catch (const std::exception& e) {
        form.messagePort().Error(e.what());
        return 1;
    }

    DocumentWindow document(parser.positionalArguments().first().toStdString(), form.messagePort());
    document.move(40, 40);
    document.show();

    Wizard& wizard = form.wizard();
    wizard.programFolder = home;
    wizard.settings = settings.get();
    wizard.host = &document;
    form.FormCreate();
    form.show();
    // Closing the wizard ends the program: the document window closes too, asking first about
    // unsaved work.
    QObject::connect(&form, &TForm1::closed, &document, &QWidget::close);
    return app.exec();
}
