#include "analysis/ui/Tpoledit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "base/ui/WindowButtons.h"

namespace zendal {

namespace {

QGroupBox* NavyGroup(const char* caption, QWidget* parent) {
    auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
    group->setStyleSheet("QGroupBox { color: navy; }");
    return group;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

Tpoledit::Tpoledit(SettingsStore& store, MessagePort& messages, HelpPort* help, QWidget* parent)
    : QDialog(parent), store_(store), messages_(messages), help_(help) {
    setObjectName("poledit");
    setWindowTitle("Meta Tag Analysis Rule Base");
    setModal(true);

    auto* left = new QVBoxLayout;
    QGroupBox* characters = NavyGroup(" Search Engine Characters Allowed ", this);
    auto* charactersGrid = new QGridLayout(characters);
    Edit3_ = AddBox(charactersGrid, 0, "Key Word check", "Edit3", "1000");
    Edit4_ = AddBox(charactersGrid, 1, "Description Check", "Edit4", "200");
    left->addWidget(characters);

    QGroupBox* repetition = NavyGroup(" Key Word Repition ", this);
    auto* repetitionGrid = new QGridLayout(repetition);
    Edit1_ = AddBox(repetitionGrid, 0, "Repeated Key Words Allowed", "Edit1", "6");
    left->addWidget(repetition);

    QGroupBox* body =
        NavyGroup("  Body Check Count  (Verify Key Word Usage / Create Key Words) ", this);
    auto* bodyGrid = new QGridLayout(body);
    Edit2_ = AddBox(bodyGrid, 0, "Body Check Count", "Edit2", "1000");
    left->addWidget(body);

    auto* right = new QVBoxLayout;
    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(style()->standardPixmap(QStyle::SP_FileDialogDetailedView));
    picture->setAlignment(Qt::AlignCenter);
    right->addWidget(picture);
    QPushButton* update = WindowButtons::AddPushButton(this, right, "&Update", "Button2",
                                                       "Update The Meta Tag Analysis Settings");
    QPushButton* close =
        WindowButtons::AddPushButton(this, right, "&Close", "Button1", "Close The Form");
    QPushButton* helpButton = WindowButtons::AddPushButton(this, right, "&Help", "Button3",
                                                           "Help with editing the Rule Base");
    right->addStretch();
    connect(update, &QPushButton::clicked, this, &Tpoledit::Button2Click);
    connect(close, &QPushButton::clicked, this, &Tpoledit::Button1Click);
    connect(helpButton, &QPushButton::clicked, this, &Tpoledit::Button3Click);
    update->setDefault(true);
    update->setFocus();  // first in the tab order: it has the focus when the window opens

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    // Update comes first in the tab order, then Close and Help, then the boxes.
    setTabOrder(update, close);
    setTabOrder(close, helpButton);
    setTabOrder(helpButton, Edit3_);
    setTabOrder(Edit3_, Edit4_);
    setTabOrder(Edit4_, Edit1_);
    setTabOrder(Edit1_, Edit2_);
    FormCreate();
}

QLineEdit* Tpoledit::AddBox(QGridLayout* grid, int row, const char* caption, const char* name,
                            const char* fixedLabel) {
    auto* label = new QLabel(caption, this);
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    label->setBuddy(box);
    auto* fixed = new QLabel(fixedLabel, this);
    fixed->setObjectName(QString(name) + "Default");
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(fixed, row, 2);
    return box;
}

RuleBaseBoxes Tpoledit::Boxes() const {
    return {Edit1_->text().toStdString(), Edit2_->text().toStdString(),
            Edit3_->text().toStdString(), Edit4_->text().toStdString()};
}

void Tpoledit::FormCreate() {
    RuleBaseBoxes boxes = RuleBase::getdefaults(store_);
    Edit1_->setText(Text(boxes.Edit1));
    Edit2_->setText(Text(boxes.Edit2));
    Edit3_->setText(Text(boxes.Edit3));
    Edit4_->setText(Text(boxes.Edit4));
}

void Tpoledit::Button2Click() {
    RuleBase::setdefaults(store_, Boxes(), messages_);
}

void Tpoledit::Button1Click() {
    accept();
}

void Tpoledit::Button3Click() {
    if (help_ != nullptr) {
        help_->ShowContext(HelpContext::RuleBase);
    }
}

}  // namespace zendal
