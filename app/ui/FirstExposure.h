#pragma once

#include <QObject>
#include <functional>

class QWidget;
class QWindow;

namespace zendal {

// Runs a handler once, right after a window has been exposed for the first time and has painted
// what the expose asked for: the moment the user can see it. Until then the window is merely
// "shown" and may not be on the screen yet. The watcher deletes itself after the handler.
class FirstExposure : public QObject {
  public:
    // The window must be shown already (it then has its window-system window).
    static void Watch(QWidget* window, std::function<void()> handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FirstExposure(QWindow* window, std::function<void()> handler);

    QWindow* window_;
    std::function<void()> handler_;
    bool seen_ = false;
};

}  // namespace zendal
