#pragma once

#include <QDialog>

#include "analysis/RuleBase.h"
#include "base/HelpPort.h"

class QGridLayout;
class QLineEdit;

namespace zendal {

// The rule base window: the four analysis settings in four boxes. It reads the stored values
// once, when it is created; what is typed and not stored stays in the boxes for the next opening.
class Tpoledit : public QDialog {
    Q_OBJECT

  public:
    Tpoledit(SettingsStore& store, MessagePort& messages, HelpPort* help,
             QWidget* parent = nullptr);

    RuleBaseBoxes Boxes() const;

    void FormCreate();
    void Button2Click();  // &Update
    void Button1Click();  // &Close
    void Button3Click();  // &Help

  private:
    QLineEdit* AddBox(QGridLayout* grid, int row, const char* caption, const char* name,
                      const char* fixedLabel);

    SettingsStore& store_;
    MessagePort& messages_;
    HelpPort* help_;
    QLineEdit* Edit1_ = nullptr;
    QLineEdit* Edit2_ = nullptr;
    QLineEdit* Edit3_ = nullptr;
    QLineEdit* Edit4_ = nullptr;
};

}  // namespace zendal
