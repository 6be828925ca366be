#include "app/ui/FirstExposure.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <QWindow>

namespace zendal {

FirstExposure::FirstExposure(QWindow* window, std::function<void()> handler)
    : QObject(window), window_(window), handler_(std::move(handler)) {
    window_->installEventFilter(this);
}

void FirstExposure::Watch(QWidget* window, std::function<void()> handler) {
    new FirstExposure(window->windowHandle(), std::move(handler));
}

bool FirstExposure::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Expose && !seen_ && window_->isExposed()) {
        seen_ = true;
        // The window paints while it handles this event: the handler runs once that is done.
        QMetaObject::invokeMethod(
            this,
            [this] {
                window_->removeEventFilter(this);
                std::function<void()> handler = std::move(handler_);
                deleteLater();
                handler();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zendal
