#pragma once

#include <QDialog>

#include "base/ui/BusyCursor.h"
#include "spell/SpellDialogPort.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace zendal {

class HelpPort;
class TEnterEdit;
class TSpellDlg;

// The spelling dialog (Word layout): shows the word that the run stopped at, suggestions and
// the buttons that answer it. It is not modal; each button hands its result to the run.
class TMSSpellDlg : public QDialog, public SpellDialogPort {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 512;
    static constexpr int kClientHeight = 242;

    TMSSpellDlg(TSpellDlg& speller, QWidget* parent = nullptr);
    ~TMSSpellDlg() override;

    // The help viewer that the Help button opens at the dialog's help context; without one the
    // button is disabled.
    void SetHelp(HelpPort* help);

    void SetFoundLabel(const std::string& caption) override;
    void SetCurrentWord(const std::string& word) override;
    void SetReplacement(const std::string& text) override;
    std::string Replacement() const override;
    void SetSuggestions(const std::vector<std::string>& entries) override;
    void SetDictionaries(const std::vector<std::string>& languages,
                         const std::string& current) override;
    void FocusChange() override;
    void FocusReplacement() override;
    void ShowDialog() override;
    void CloseDialog() override;
    bool IsVisible() const override { return isVisible(); }
    void BringToFront() override;
    void SetBusyCursor(bool busy) override;
    int ScreenHeight() const override;
    int DialogHeight() const override;
    int DialogTop() const override;
    void MoveDialog(int top) override;
    void MoveMouseBy(int dy) override;

    // Windows virtual-key code of a Qt key, 0 for keys without one here.
    static int VirtualKey(int qtKey, bool keypad);

    QLabel* lblFound;
    TEnterEdit* edtCurWord;
    QLabel* lblReplace;
    TEnterEdit* edtWord;
    QWidget* pnlIcons;
    QPushButton* btnA;
    QPushButton* btnE;
    QPushButton* btnI;
    QPushButton* btnO;
    QPushButton* btnU;
    QPushButton* btnN;
    QPushButton* btnN2;
    QLabel* lblSuggestions;
    QListWidget* lstSuggest;
    QPushButton* btnSkip;
    QPushButton* btnSkipAll;
    QPushButton* btnReplace;
    QPushButton* btnReplaceAll;
    QPushButton* btnAdd;
    QPushButton* btnSuggest;
    QPushButton* btnClose;
    QPushButton* btnHelp;
    QPushButton* btnAutoCorrect;
    QPushButton* btnOptions;
    QPushButton* btnUndo;
    QLabel* lblDictionary;
    QComboBox* cmbDictionary;  // the dictionary's language

  public slots:
    void AccentClick();
    void lstSuggestChange();
    void lstSuggestDblClick();
    void btnSuggestClick();
    void cmbDictionaryChange();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton* Button(const char* name, const QString& caption, int x, int y, int result);
    QPushButton* AccentButton(const char* name, const QString& character, int x);

    TSpellDlg& speller_;
    HelpPort* help_ = nullptr;
    BusyCursor busyCursor_;
};

}  // namespace zendal
