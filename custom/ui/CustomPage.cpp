#include "custom/ui/CustomPage.h"

#include "base/ui/InfoPanel.h"
#include "base/ui/WindowButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/Wizard.h"
#include "base/ZendalError.h"
#include "custom/CustomSchemas.h"
#include "custom/ui/CustomGridModel.h"
#include "custom/ui/MetaGrid.h"

namespace zendal {

namespace {

const char* const kInfo =
    "\n\nYou can use this page to develop custom meta tag schemas, which allow for the entry of "
    "very specific meta data.\n\nPlease note that Tag Values which are repeated here or "
    "throughout Zendal will not be read or written more than once.\n\nPlease click on the HELP "
    "button for more information";

}  // namespace

CustomPage::CustomPage(Wizard& wizard, QWidget* parent) : QWidget(parent), wizard_(wizard) {
    setObjectName("Custom");
    auto* column = new QVBoxLayout(this);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* fields = new QWidget(splitter);
    auto* fieldColumn = new QVBoxLayout(fields);
    fieldColumn->setContentsMargins(0, 0, 0, 0);

    auto* controls = new QHBoxLayout();
    autoSize_ = new QCheckBox("Auto Si&ze", fields);
    autoSize_->setObjectName("CheckBox3");
    autoSize_->setToolTip("Auto Size Columns");
    protectNameBox_ = new QCheckBox("&Protect Name", fields);
    protectNameBox_->setObjectName("CheckBox6");
    protectNameBox_->setToolTip("Prevent The Meta Tag Name from being overwritten");
    auto* label = new QLabel("Select Schema", fields);
    label->setObjectName("Label1");
    scname_ = new QComboBox(fields);
    scname_->setObjectName("scname");
    scname_->setEditable(true);
    scname_->setInsertPolicy(QComboBox::NoInsert);
    scname_->setToolTip("Select Schema with which to work");
    scname_->setMinimumContentsLength(16);
    label->setBuddy(scname_);
    controls->addWidget(autoSize_);
    controls->addWidget(protectNameBox_);
    controls->addStretch();
    controls->addWidget(label);
    controls->addWidget(scname_);
    fieldColumn->addLayout(controls);

    model_ = new CustomGridModel(wizard_.fields, this);
    model_->SetEditPermission([this](int row, int col) { return grid1CanEditCell(row, col); });
    grid1_ = new MetaGrid(model_, fields);
    fieldColumn->addWidget(grid1_, 1);

    auto* info = new InfoPanel(kInfo, "CustomInfo", splitter);
    splitter->addWidget(fields);
    splitter->addWidget(info);
    splitter->setStretchFactor(0, 78);
    splitter->setStretchFactor(1, 22);
    splitter->setSizes({780, 220});
    column->addWidget(splitter, 1);

    auto* bar = new QWidget(this);
    bar->setObjectName("ToolBar3");
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 0, 0, 0);
    QToolButton* remove =
        WindowButtons::AddToolButton(bar, "Delete", "SpeedButton6", "Delete the Active Schema");
    QToolButton* save =
        WindowButtons::AddToolButton(bar, "Save", "button38", "Save Current Schema");
    buttons->addSpacing(16);
    readHtml_ = WindowButtons::AddToolButton(bar, "Read HTML", "SpeedButton14", "Read From HTML");
    next_ = WindowButtons::AddToolButton(bar, "Next", "SpeedButton10", "Continue to Step 3");
    QToolButton* help = WindowButtons::AddToolButton(bar, "Help", "SpeedButton3", "Help");
    buttons->addStretch();
    column->addWidget(bar);

    // Made first, so that the text being typed is in the grid before any command reads it.
    for (QToolButton* button : {save, readHtml_, next_}) {
        connect(button, &QToolButton::clicked, grid1_, &MetaGrid::CommitEdit);
    }
    connect(remove, &QToolButton::clicked, this, &CustomPage::SpeedButton6Click);
    connect(save, &QToolButton::clicked, this, &CustomPage::button38Click);
    connect(help, &QToolButton::clicked, this, &CustomPage::SpeedButton3Click);
    connect(autoSize_, &QCheckBox::clicked, this, &CustomPage::CheckBox3Click);
    connect(protectNameBox_, &QCheckBox::clicked, this, &CustomPage::CheckBox6Click);
    connect(scname_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { wizard_.schemaName = text.toStdString(); });
    connect(scname_, &QComboBox::activated, this, [this](int index) {
        wizard_.schemaName = scname_->itemText(index).toStdString();
        scnameClick();
    });
    ShowSchema();
}

void CustomPage::ShowSchema() {
    {
        QSignalBlocker blocker(scname_);
        scname_->clear();
        for (const std::string& name : wizard_.schemaList) {
            scname_->addItem(QString::fromStdString(name));
        }
        scname_->setEditText(QString::fromStdString(wizard_.schemaName));
    }
    grid1_->Reload();
}

void CustomPage::scnameClick() {
    try {
        CustomSchemas::scnameClick(wizard_);
    } catch (const ZendalError& failure) {
        wizard_.messages.Error(failure.Message());
    }
    grid1_->Reload();
}

void CustomPage::SpeedButton6Click() {
    CustomSchemas::SpeedButton6Click(wizard_);
    ShowSchema();
}

void CustomPage::button38Click() {
    grid1_->StoreColumnWidths();
    CustomSchemas::button38Click(wizard_);
    ShowSchema();
}

void CustomPage::SpeedButton3Click() {
    if (wizard_.help != nullptr) {
        wizard_.help->ShowContext(HelpContext::CustomPage);
    }
}

void CustomPage::CheckBox3Click() {
    grid1_->SetAutoSize(autoSize_->isChecked());
}

void CustomPage::CheckBox6Click() {
    protectName_.assign(1, protectNameBox_->isChecked() ? '1' : '0');
}

bool CustomPage::grid1CanEditCell(int row, int col) const {
    return CustomGrid::CanEditCell(protectName_, row, col);
}

}  // namespace zendal
