#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "spell/SpellCheckButtons.h"
#include "spell/TSpellDlg.h"
#include "spell/ui/TMSSpellDlg.h"

class QPlainTextEdit;
class QWidget;

namespace zendal {

class MessagePort;
class QtSpellEdit;
class SettingsStore;
class StatusPort;

// The main window's spell checker (SpellDlg1): the checker, its dialog over the window, and the
// two button handlers over the window's memos.
class QtSpellChecker {
  public:
    // programFolder: the program folder (the home folder) with a trailing separator, read at
    // each click, so it may still be empty here; it must outlive the checker.
    QtSpellChecker(QWidget* window, MessagePort& messages, const std::string& programFolder);
    ~QtSpellChecker();

    // What a click reads of the main window: the page's language field (which dictionary), the
    // settings (which suggestion list), and the status bar for the note when the page's
    // language has no dictionary.
    void SetWindowState(std::function<std::string()> languageField, SettingsStore* settings,
                        StatusPort* status);

    void SpeedButton4Click(QPlainTextEdit* edit22);
    void SpeedButton5Click(QPlainTextEdit* edit1);

    TSpellDlg& speller() { return speller_; }
    TMSSpellDlg& dialog() { return *dialog_; }

  private:
    QtSpellEdit& ControlFor(QPlainTextEdit* memo);
    // Points the checker at the program folder, the page's language and the settings.
    void PrepareRun();

    const std::string& programFolder_;
    TSpellDlg speller_;
    QPointer<TMSSpellDlg> dialog_;  // owned, unless its parent window deleted it first
    SpellCheckButtons buttons_;
    std::map<QPlainTextEdit*, std::unique_ptr<QtSpellEdit>> controls_;
    std::function<std::string()> languageField_;
    SettingsStore* settings_ = nullptr;
};

}  // namespace zendal
