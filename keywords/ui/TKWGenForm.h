#pragma once

#include <QDialog>

#include "keywords/KeyWordGenerator.h"

class QGroupBox;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

namespace zendal {

// The key word window: the list of the most frequent words with a check box each, and the
// setup page with the top count and the noise words. It lives for one command and shows the
// generator it is given; its handlers delegate to it.
class TKWGenForm : public QDialog {
    Q_OBJECT

  public:
    explicit TKWGenForm(KeyWordGenerator& generator, QWidget* parent = nullptr);

    // Shows a window over the generator modally and returns when it has closed; the key words
    // command of the main window passes this on.
    static void ShowModal(KeyWordGenerator& generator, QWidget* parent);

    void FormShow();
    void FormClose();
    void Edit1Change(int position);
    void SpeedButton1Click();  // Add Checked to Key Words
    void SpeedButton2Click();  // Refresh List
    void SpeedButton3Click();  // Add Checked to Noise Words
    void SpeedButton4Click();  // Load Noise Words
    void SpeedButton5Click();  // Save Noise Words
    void Button2Click();       // &Help

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* KeyWordsPage();
    QWidget* SetupPage();
    // The list view shows the generator's rows; the check boxes go back before each command.
    void FillList();
    void TakeChecks();
    void ShowInMemo(const std::vector<std::string>& lines);

    KeyWordGenerator& generator_;
    QTabWidget* PageControl1_ = nullptr;
    QGroupBox* GroupBox1_ = nullptr;
    QTreeWidget* ListView1_ = nullptr;
    QSpinBox* Edit1_ = nullptr;
    QPlainTextEdit* nwMemo_ = nullptr;
    bool closed_ = false;
};

}  // namespace zendal
