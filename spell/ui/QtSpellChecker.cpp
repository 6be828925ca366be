#include "spell/ui/QtSpellChecker.h"

#include "spell/SuggestionSetting.h"
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

void QtSpellChecker::SetWindowState(std::function<std::string()> languageField,
                                    SettingsStore* settings, StatusPort* status) {
    languageField_ = std::move(languageField);
    settings_ = settings;
    speller_.SetStatus(status);
}

void QtSpellChecker::PrepareRun() {
    speller_.SetApplicationPath(programFolder_);
    if (speller_.Running()) {
        return;  // the click only brings the dialog to the front
    }
    speller_.UsePageLanguage(languageField_ ? languageField_() : std::string());
    speller_.SetRankedSuggestions(SuggestionSetting::Ranked(settings_));
}

void QtSpellChecker::SpeedButton4Click(QPlainTextEdit* edit22) {
    PrepareRun();
    buttons_.SpeedButton4Click(ControlFor(edit22));
}

void QtSpellChecker::SpeedButton5Click(QPlainTextEdit* edit1) {
    PrepareRun();
    buttons_.SpeedButton5Click(ControlFor(edit1));
}

}  // namespace zendal
