#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;
class QTabWidget;
class QToolButton;

namespace zendal {

// The page "Optional Meta Tag Analysis": one inner tab "Analysis" with the report view
// SubmitReady beside a fixed explanatory text, over a tool bar. The main window connects the
// buttons to its commands.
class AnalysisPage : public QWidget {
    Q_OBJECT

  public:
    explicit AnalysisPage(QWidget* parent = nullptr);

    void ShowReport(const std::vector<std::string>& lines);
    QString ReportText() const;

    QTabWidget* PageControl() const { return inner_; }
    QPlainTextEdit* SubmitReady() const { return report_; }
    QToolButton* ClipboardButton() const { return clipboard_; }  // SpeedButton16
    QToolButton* EditRulesButton() const { return editRules_; }  // SpeedButton12
    QToolButton* ExamineButton() const { return examine_; }      // SpeedButton1
    QToolButton* HelpButton() const { return help_; }            // mta

  private:
    QTabWidget* inner_ = nullptr;
    QPlainTextEdit* report_ = nullptr;
    QToolButton* clipboard_ = nullptr;
    QToolButton* editRules_ = nullptr;
    QToolButton* examine_ = nullptr;
    QToolButton* help_ = nullptr;
};

}  // namespace zendal
