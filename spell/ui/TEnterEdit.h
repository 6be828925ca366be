#pragma once

#include <QLineEdit>

namespace zendal {

// A one-line box of the spelling dialog: Enter moves the focus on instead of being typed, and
// Ctrl+Up or Ctrl+Down turns the whole text into capitals.
class TEnterEdit : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zendal
