// The baseline of the start-up benchmark: the smallest Qt Widgets program that shows a main
// window, built with the same compiler, flags and Qt as zendal. With --quit-when-shown it ends
// as soon as the window has been exposed and painted, detected as zendal detects its wizard.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "app/ui/FirstExposure.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setCentralWidget(new QLabel(QStringLiteral("Minimal window"), &window));
    window.resize(820, 580);
    window.show();
    if (QApplication::arguments().contains(QStringLiteral("--quit-when-shown"))) {
        zendal::FirstExposure::Watch(&window, [] { QCoreApplication::quit(); });
    }
    return app.exec();
}
