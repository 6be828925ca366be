#pragma once

#include "base/MessagePort.h"

class QWidget;

namespace zendal {

// Message boxes of the windows: a plain box with OK, an error box with OK, and a confirmation
// box with Yes and No, each modal over the parent window.
class QtMessagePort : public MessagePort {
  public:
    explicit QtMessagePort(QWidget* parent = nullptr) : parent_(parent) {}

    void Show(Box box, Outcome outcome, const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

  private:
    QWidget* parent_;
};

}  // namespace zendal
