#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "analysis/MetaTagAnalysis.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/QtClipboardPort.h"
#include "app/ui/QtMessagePort.h"
#include "app/ui/QtStatusPort.h"
#include "base/FieldTable.h"
#include "base/Wizard.h"
#include "custom/ui/MetaGrid.h"
#include "head/ReadCommands.h"
#include "spell/ui/QtSpellChecker.h"
#include "update/TagGeneration.h"
#include "update/UpdateCommand.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QTabWidget;
class QToolButton;

namespace zendal {

class AnalysisPage;
class CustomPage;
class Tpoledit;

// The main wizard window. It owns the wizard state and shows it in its controls, each named
// (member and object name) after the field it holds. Commands work on the Wizard: every handler
// runs through RunCommand, which copies the controls into the fields before the command and back
// after it, and shows a failure that the command did not handle.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr const char* kDesignCaption = "Zendal\u00AE for the ColdFusion\u00AE Studio";
    static constexpr const char* kButtonFailure = "Could not Add Button to Menu!";
    static constexpr const char* kNameFailure = "Could not get Active Document Name!";
    static constexpr const char* kToolbarHint = "Run Zendal - The Metadata Composer";

    // Message boxes go to the window's own boxes unless another port is given (tests).
    explicit TForm1(MessagePort* messages = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    Wizard& wizard() { return wizard_; }
    MessagePort& messagePort() { return wizard_.messages; }
    QtStatusPort& statusPort() { return status_; }

    // Start-up over the host, the settings and the program folder already set in the wizard.
    void FormCreate();
    // Writes the settings back and releases the host; runs when the window closes.
    void FormClose();

    void FieldsToControls();
    void ControlsToFields();

    // The rule base window of Edit Rules, made by the program entry right after this window;
    // made on first use when none was given.
    void SetRuleBaseWindow(Tpoledit* window) { ruleBaseWindow_ = window; }
    // Shows the about box; set by the program entry.
    std::function<void()> showAboutBox;
    // The program that the host's tool bar button starts.
    std::string programFile;

    // Page 1.
    void SpeedButton2Click();   // Refresh to Active Page
    void SpeedButton9Click();   // Key Words
    void Button15Click();       // Read Html
    void SpeedButton8Click();   // Clear All
    void savekeywdsClick();     // Next
    void SpeedButton15Click();  // About
    // Page 2.
    void rhtmloptClick();
    void SpeedButton7Click();  // Clear All
    // Page 2.a.
    void SpeedButton14Click();
    // Page 3.
    void Button32Click();  // Clipboard
    void Button34Click();  // Update
    // Analysis page.
    void SpeedButton1Click();   // Examine Meta Tags Now
    void SpeedButton16Click();  // Clipboard
    void SpeedButton12Click();  // Edit Rules
    // Menu ColdFusion.
    void ShowActiveDocumentName1Click();
    void AddZendal1Click();
    // Help of the page on show.
    void HelpForCurrentPage1Click();
    void ShowHelp(HelpContext context);
    HelpContext CurrentPageHelpContext() const;

    // Page entry.
    void TabSheet1Enter();
    void TabSheet5Enter();
    void TabSheet12Enter();
    void TabSheet13Enter();

    // Pages.
    QTabWidget* PageControl101;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* Custom;
    QWidget* TabSheet5;
    QWidget* TabSheet12;

    // Wizard fields.
    QPlainTextEdit* edit22;  // key words
    QPlainTextEdit* edit1;   // description
    QLineEdit* Titlebox;
    QLineEdit* Edit4;      // generator
    QComboBox* ComboBox1;  // robots
    QComboBox* ComboBox3;  // distribution
    QComboBox* ComboBox2;  // rating
    QComboBox* ComboBox5;  // language
    QLineEdit* Edit6;      // copyright
    QLineEdit* Edit7;      // author
    QComboBox* ComboBox4;  // classification
    QLineEdit* Edit3;      // reply-to address
    QLineEdit* Edit2;      // revisit
    QCheckBox* CheckBox1;  // pragma
    MetaGrid* grid1;       // custom meta tags
    QComboBox* scname;     // schema selector
    QCheckBox* CheckBox3;  // auto size
    QCheckBox* CheckBox6;  // protect name
    QPlainTextEdit* TagLines;
    QCheckBox* CheckBox2;  // create backup
    QCheckBox* CheckBox4;  // remove blanks

    QStatusBar* StatusBar1;

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter does not break the lines of the key words and description.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildKeyWordsPage();
    void BuildOptionsPage();
    void BuildCustomPage();
    void BuildGeneratePage();
    void BuildAnalysisPage();
    void BuildMenu();
    void PageEntered(int index);
    void ShowPage(QWidget* page);

    // A tool bar button of a page: caption, hint as tool tip and status tip, handler.
    QToolButton* AddButton(QWidget* bar, const char* caption, const char* name, const char* hint,
                           void (TForm1::*handler)());
    QAction* AddItem(QMenu* menu, const char* caption, const char* name, const char* hint,
                     const std::function<void()>& handler);
    // The control of a wizard field, named after its field (FieldTable) and mirrored with it.
    template <typename Control>
    Control* Field(const char* name, Control* control);
    // Runs a command over the fields and shows what it leaves unhandled.
    void RunCommand(const std::function<void()>& command);

    std::vector<std::pair<const WizardField*, QWidget*>> fieldControls_;
    QtMessagePort messages_;
    QtStatusPort status_;
    QtClipboardPort clipboard_;
    HelpWindow helpWindow_;
    Wizard wizard_;
    ReadCommands read_;
    MetaTagAnalysis analysis_;
    TagGeneration tags_;
    UpdateCommand update_;
    CustomPage* customPage_ = nullptr;
    AnalysisPage* analysisPage_ = nullptr;
    Tpoledit* ruleBaseWindow_ = nullptr;
    // Spell checks the key words and the description (SpeedButton4, SpeedButton5); made at the
    // first check, as its dialog is not needed before.
    QtSpellChecker& SpellChecker();
    std::unique_ptr<QtSpellChecker> SpellDlg1;
};

}  // namespace zendal
