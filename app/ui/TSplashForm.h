#pragma once

#include <QWidget>

namespace zendal {

// The window shown while the program starts: the name, the version and what is going on.
class TSplashForm : public QWidget {
    Q_OBJECT

  public:
    explicit TSplashForm(QWidget* parent = nullptr);

    // Shows the window and paints it at once, before the event loop runs.
    void ShowNow();
};

}  // namespace zendal
