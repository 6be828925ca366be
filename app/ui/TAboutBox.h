#pragma once

#include <QDialog>

namespace zendal {

// The about box: the program's name and version, its licence and the libraries it is built on.
// It lives as long as the main window, hidden until shown.
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kLicence =
        "Zendal is free software under the MIT License: you may use, copy, change and pass it "
        "on, with its copyright notice, without warranty of any kind.";

    explicit TAboutBox(QWidget* parent = nullptr);

    // The lines that name the libraries and their versions.
    static QString LibrariesText();
};

}  // namespace zendal
