#include "spell/ui/QtSpellChecker.h"

#include "spell/ui/QtSpellEdit.h"
#include "spell/ui/TMSSpellDlg.h"

namespace zendal {

QtSpellChecker::QtSpellChecker(QWidget* window, MessagePort& messages,
                               const std::string& programFolder)
    : programFolder_(programFolder),
      speller_(messages, programFolder),
      dialog_(new TMSSpellDlg(speller_, window)),
      buttons_(speller_, messages) {
    speller_.SetDialog(dialog_);
}

QtSpellChecker::~QtSpellChecker() {
    speller_.SetDialog(nullptr);
    delete dialog_;
}

QtSpellEdit& QtSpellChecker::ControlFor(QPlainTextEdit* memo) {
    std::unique_ptr<QtSpellEdit>& control = controls_[memo];
    if (!control) {
        control = std::make_unique<QtSpellEdit>(memo);
    }
    return *control;
}

void QtSpellChecker::SpeedButton4Click(QPlainTextEdit* edit22) {
    speller_.SetApplicationPath(programFolder_);
    buttons_.SpeedButton4Click(ControlFor(edit22));
}

void QtSpellChecker::SpeedButton5Click(QPlainTextEdit* edit1) {
    speller_.SetApplicationPath(programFolder_);
    buttons_.SpeedButton5Click(ControlFor(edit1));
}

}  // namespace zendal
