#include "analysis/ui/AnalysisPage.h"

#include "base/ui/InfoPanel.h"
#include "base/ui/WindowButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zendal {

AnalysisPage::AnalysisPage(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet12");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    inner_ = new QTabWidget(this);
    inner_->setObjectName("PageControl2");
    inner_->setTabPosition(QTabWidget::South);
    outer->addWidget(inner_);

    auto* analysis = new QWidget(inner_);
    analysis->setObjectName("TabSheet13");
    auto* column = new QVBoxLayout(analysis);

    auto* splitter = new QSplitter(Qt::Horizontal, analysis);
    splitter->setObjectName("Splitter1");
    report_ = new QPlainTextEdit(splitter);
    report_->setObjectName("SubmitReady");
    report_->setReadOnly(true);
    report_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    report_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed("Monospace");
    fixed.setStyleHint(QFont::TypeWriter);
    report_->setFont(fixed);

    auto* explanation = new InfoPanel(
        "This page verifies that the meta tags you are about to embed are valid in structure, "
        "include all of the required tags and are used properly.\n\n"
        "Click Examine Meta Tags Now to review your metadata values.",
        "AnalysisInfo", splitter);
    splitter->addWidget(report_);
    splitter->addWidget(explanation);
    splitter->setStretchFactor(0, 78);
    splitter->setStretchFactor(1, 22);
    splitter->setSizes({780, 220});
    column->addWidget(splitter, 1);

    auto* bar = new QWidget(analysis);
    bar->setObjectName("ToolBar5");
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 0, 0, 0);
    clipboard_ = WindowButtons::AddToolButton(bar, "Clipboard", "SpeedButton16",
                                              "Copy Report to the Clipboard");
    buttons->addSpacing(16);
    editRules_ =
        WindowButtons::AddToolButton(bar, "Edit Rules", "SpeedButton12", "Edit the Rules Base");
    examine_ = WindowButtons::AddToolButton(bar, "Examine Meta Tags Now", "SpeedButton1",
                                            "Perform Meta Tag Analysis Now");
    help_ = WindowButtons::AddToolButton(bar, "Help", "mta", "Help");
    buttons->addStretch();
    column->addWidget(bar);

    inner_->addTab(analysis, "Analysis");
}

void AnalysisPage::ShowReport(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) {
        text << QString::fromStdString(line);
    }
    report_->setPlainText(text.join('\n'));
}

QString AnalysisPage::ReportText() const {
    return report_->toPlainText();
}

}  // namespace zendal
