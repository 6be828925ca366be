#pragma once

#include <QMainWindow>

#include "app/Wizard.h"
#include "app/ui/QtClipboardPort.h"
#include "app/ui/QtMessagePort.h"
#include "app/ui/QtStatusPort.h"
#include "custom/ui/MetaGrid.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QStatusBar;
class QTabWidget;
class QTableWidget;

namespace zendal {

// The main wizard window. It owns the wizard state and shows it in its controls, each named
// (member and object name) after the field it holds. Commands work on the Wizard: the window
// copies its controls into the fields before a command (ControlsToFields) and back after it
// (FieldsToControls).
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr const char* kDesignCaption = "Zendal\u00AE for the ColdFusion\u00AE Studio";

    // Message boxes go to the window's own boxes unless another port is given (tests).
    explicit TForm1(MessagePort* messages = nullptr, QWidget* parent = nullptr);

    Wizard& wizard() { return wizard_; }
    MessagePort& messagePort() { return wizard_.messages; }
    QtStatusPort& statusPort() { return status_; }

    // Start-up over the host, the settings and the program folder already set in the wizard.
    void FormCreate();
    // Writes the settings back; runs when the window closes.
    void FormClose();

    void FieldsToControls();
    void ControlsToFields();

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

    QtMessagePort messages_;
    QtStatusPort status_;
    QtClipboardPort clipboard_;
    Wizard wizard_;
};

}  // namespace zendal
