#pragma once

#include <QPointer>
#include <QString>

#include "base/HelpPort.h"

class QTextBrowser;
class QWidget;

namespace zendal {

// The help viewer: a window over the HTML pages of the shipped help folder, one page per help
// context. The window is made when help is first asked for and is reused after that.
class HelpWindow : public HelpPort {
  public:
    explicit HelpWindow(QWidget* owner) : owner_(owner) {}
    ~HelpWindow() override;

    void ShowContext(HelpContext context) override;

    // The page of a help context ("contents.html" for a context without a page of its own).
    static QString PageOf(HelpContext context);
    // The shipped help folder, or empty when none is found.
    static QString Folder();

    QTextBrowser* Browser() const { return browser_; }

  private:
    QWidget* owner_;
    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace zendal
