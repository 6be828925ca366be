#include <QApplication>
#include <QCommandLineParser>
#include <QFileDialog>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "analysis/ui/Tpoledit.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/FirstExposure.h"
#include "app/ui/TAboutBox.h"
#include "app/ui/TForm1.h"
#include "app/ui/TSplashForm.h"
#include "base/HomeFolder.h"
#include "base/IniSettingsStore.h"

using namespace zendal;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zendal"));
    QApplication::setApplicationVersion(QStringLiteral(ZENDAL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("zendal"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Composes the title and meta tags of an HTML page."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption homeOption(QStringLiteral("home"), QStringLiteral("The Zendal home folder."),
                                  QStringLiteral("DIR"));
    parser.addOption(homeOption);
    // For measuring the start-up: the program ends as soon as the wizard has been exposed and
    // painted.
    QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"),
                                     QStringLiteral("End as soon as the wizard is on the screen."));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(quitWhenShown);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The page to work on."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        parser.showHelp(2);
    }
    QString file = files.isEmpty() ? QString() : files.first();
    if (file.isEmpty() && !parser.isSet(quitWhenShown)) {
        file = QFileDialog::getOpenFileName(
            nullptr, QStringLiteral("Open Page - Zendal"), QString(),
            QStringLiteral("HTML pages (*.html *.htm *.shtml *.cfm);;All files (*)"));
    }

    auto splash = std::make_unique<TSplashForm>();
    splash->ShowNow();

    TForm1 form;
    std::unique_ptr<IniSettingsStore> settings;
    std::string home;
    try {
        home = HomeFolder::Resolve(parser.value(homeOption).toStdString());
        HomeFolder::Seed(home);
        settings = std::make_unique<IniSettingsStore>(home);
    } catch (const std::exception& e) {
        splash.reset();
        form.messagePort().Error(e.what());
        return 1;
    }

    // Without a file the document window opens empty; File > Open and Refresh pick one up.
    DocumentWindow document(file.toStdString(), form.messagePort());
    document.move(40, 40);

    Wizard& wizard = form.wizard();
    wizard.programFolder = home;
    wizard.settings = settings.get();
    wizard.host = &document;
    form.programFile = QCoreApplication::applicationFilePath().toStdString();
    form.FormCreate();
    std::unique_ptr<Tpoledit> ruleBase;
    std::unique_ptr<TAboutBox> about;
    form.showAboutBox = [&about] {
        if (about) {
            about->exec();
        }
    };
    splash.reset();
    form.show();
    // Closing the wizard ends the program: the document window closes too, asking first about
    // unsaved work.
    QObject::connect(&form, &TForm1::closed, &document, &QWidget::close);
    // The wizard comes first. The document window opens beside it as soon as the wizard is on
    // the screen, and the wizard stays in front with the focus. The rule base window and the
    // about box stay hidden until asked for: they are made then too, not before.
    const bool quit = parser.isSet(quitWhenShown);
    FirstExposure::Watch(&form, [&] {
        if (quit) {
            // Nothing is left to save: the settings are written when the wizard closes, which
            // it has not. The tear-down of the windows and the display connection is skipped.
            std::fflush(nullptr);
            std::_Exit(0);
        }
        document.show();
        form.raise();
        form.activateWindow();
        ruleBase = std::make_unique<Tpoledit>(*settings, form.messagePort(), wizard.help, &form);
        form.SetRuleBaseWindow(ruleBase.get());
        about = std::make_unique<TAboutBox>(&form);
    });
    return app.exec();
}
