#pragma once

class QBoxLayout;
class QPushButton;
class QToolButton;
class QWidget;

namespace zendal {

// The buttons of the windows, made one way: each with its caption, its object name (the name the
// handlers are called after) and its hint, shown as tool tip and status tip.
class WindowButtons {
  public:
    // Whether Enter presses a dialog's push button while it has the focus.
    enum class OnEnter { Press, Ignore };

    // A text-only tool button at the end of the bar's layout.
    static QToolButton* AddToolButton(QWidget* bar, const char* caption, const char* name,
                                      const char* hint);
    // A push button of the window at the end of a column of buttons; hint may be null.
    static QPushButton* AddPushButton(QWidget* window, QBoxLayout* column, const char* caption,
                                      const char* name, const char* hint,
                                      OnEnter onEnter = OnEnter::Press);
    // The hint of any widget: tool tip and status tip.
    static void SetHint(QWidget* widget, const char* hint);
};

}  // namespace zendal
