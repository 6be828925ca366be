#include "keywords/ui/TKWGenForm.h"

#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/WindowButtons.h"
#include "keywords/ui/KeyWordListItem.h"

namespace zendal {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TKWGenForm::TKWGenForm(KeyWordGenerator& generator, QWidget* parent)
    : QDialog(parent), generator_(generator) {
    setObjectName("KWGenForm");
    setWindowTitle("Zendal Key Word Generator");
    setModal(true);

    PageControl1_ = new QTabWidget(this);
    PageControl1_->setObjectName("PageControl1");
    PageControl1_->addTab(KeyWordsPage(), "Key Words");
    PageControl1_->addTab(SetupPage(), "Setup");

    auto* close = new QPushButton("&Close", this);
    close->setObjectName("Button1");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* help = new QPushButton("&Help", this);
    help->setObjectName("Button2");
    connect(help, &QPushButton::clicked, this, &TKWGenForm::Button2Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1_);
    layout->addLayout(buttons);
    // The window may grow; it never gets so small that the list's headers are cut off.
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    // What the window's creation adds to the generator's: the first page, the top count shown.
    PageControl1_->setCurrentIndex(0);
    Edit1_->setValue(generator_.TopCount());
    GroupBox1_->setTitle(Text(generator_.GroupBox1Caption()));
    FillList();
}

QWidget* TKWGenForm::KeyWordsPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    GroupBox1_ = new QGroupBox(page);
    GroupBox1_->setObjectName("GroupBox1");

    auto* label = new QLabel(
        "Check the words in the list and either add them to the key words tag or add them to "
        "the Noise Words list",
        GroupBox1_);
    label->setObjectName("Label1");
    label->setWordWrap(true);

    ListView1_ = new QTreeWidget(GroupBox1_);
    ListView1_->setObjectName("ListView1");
    ListView1_->setColumnCount(3);
    ListView1_->setHeaderLabels({"Word", "Occurences", "% of Total Words"});
    ListView1_->setRootIsDecorated(false);
    ListView1_->setUniformRowHeights(true);
    ListView1_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    ListView1_->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    // Sorted by any column with a click on its header; at first by count, highest first, which
    // is the generator's order.
    QHeaderView* header = ListView1_->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    ListView1_->setSortingEnabled(true);
    ListView1_->sortByColumn(1, Qt::DescendingOrder);
    // The words take the room the numbers leave; no column is narrower than its header with
    // the sort mark, so a header is never cut off.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    const int widths[] = {223, 70, 95};
    int listWidth =
        2 * ListView1_->frameWidth() + ListView1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int column = 0; column < 3; ++column) {
        const int width = std::max(widths[column], header->sectionSizeHint(column));
        if (column > 0) {
            header->setSectionResizeMode(column, QHeaderView::Fixed);
            header->resizeSection(column, width);
        }
        listWidth += width;
    }
    ListView1_->setMinimumSize(listWidth, 260);

    auto* column = new QVBoxLayout;
    QPushButton* toKeyWords = WindowButtons::AddPushButton(
        this, column, "Add Checked to Key Words", "SpeedButton1",
        "Add the checked words to the keywords tag", WindowButtons::OnEnter::Ignore);
    QPushButton* toNoise = WindowButtons::AddPushButton(
        this, column, "Add Checked to Noise Words", "SpeedButton3",
        "Add the checked words to the Noise Words List", WindowButtons::OnEnter::Ignore);
    QPushButton* refresh = WindowButtons::AddPushButton(
        this, column, "Refresh List", "SpeedButton2", "Refresh the List of Words from the file",
        WindowButtons::OnEnter::Ignore);
    column->addStretch();
    connect(toKeyWords, &QPushButton::clicked, this, &TKWGenForm::SpeedButton1Click);
    connect(toNoise, &QPushButton::clicked, this, &TKWGenForm::SpeedButton3Click);
    connect(refresh, &QPushButton::clicked, this, &TKWGenForm::SpeedButton2Click);

    auto* inside = new QGridLayout(GroupBox1_);
    inside->addWidget(label, 0, 0, 1, 2);
    inside->addWidget(ListView1_, 1, 0);
    inside->addLayout(column, 1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(GroupBox1_);
    return page;
}

QWidget* TKWGenForm::SetupPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");

    auto* before = new QLabel("Find the top ", page);
    Edit1_ = new QSpinBox(page);
    Edit1_->setObjectName("Edit1");
    Edit1_->setRange(KeyWordGenerator::kMinTopCount, KeyWordGenerator::kMaxTopCount);
    Edit1_->setValue(KeyWordGenerator::kDefaultTopCount);
    before->setBuddy(Edit1_);
    auto* after = new QLabel("word occurences", page);
    connect(Edit1_, &QSpinBox::valueChanged, this, &TKWGenForm::Edit1Change);
    auto* count = new QHBoxLayout;
    count->addWidget(before);
    count->addWidget(Edit1_);
    count->addWidget(after);
    count->addStretch();

    auto* noise = new QGroupBox("Noise Words", page);
    noise->setObjectName("GroupBox2");
    nwMemo_ = new QPlainTextEdit(noise);
    nwMemo_->setObjectName("nwMemo");
    nwMemo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    nwMemo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    nwMemo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* column = new QVBoxLayout;
    QPushButton* load = WindowButtons::AddPushButton(
        this, column, "Load Noise Words", "SpeedButton4", nullptr, WindowButtons::OnEnter::Ignore);
    QPushButton* save = WindowButtons::AddPushButton(
        this, column, "Save Noise Words", "SpeedButton5", nullptr, WindowButtons::OnEnter::Ignore);
    column->addStretch();
    connect(load, &QPushButton::clicked, this, &TKWGenForm::SpeedButton4Click);
    connect(save, &QPushButton::clicked, this, &TKWGenForm::SpeedButton5Click);
    auto* inside = new QHBoxLayout(noise);
    inside->addWidget(nwMemo_, 1);
    inside->addLayout(column);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(count);
    layout->addWidget(noise, 1);
    return page;
}

void TKWGenForm::ShowModal(KeyWordGenerator& generator, QWidget* parent) {
    TKWGenForm window(generator, parent);
    window.exec();
}

void TKWGenForm::FillList() {
    const std::vector<KeyWordRow>& rows = generator_.Rows();
    const QString decimalPoint = QLocale().decimalPoint();
    ListView1_->setUpdatesEnabled(false);
    ListView1_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        items.append(new KeyWordListItem(rows[i], i, decimalPoint));
    }
    ListView1_->addTopLevelItems(items);
    ListView1_->setUpdatesEnabled(true);
}

void TKWGenForm::TakeChecks() {
    for (int i = 0; i < ListView1_->topLevelItemCount(); ++i) {
        auto* item = static_cast<KeyWordListItem*>(ListView1_->topLevelItem(i));
        generator_.SetChecked(item->Index(), item->checkState(0) == Qt::Checked);
    }
}

void TKWGenForm::ShowInMemo(const std::vector<std::string>& lines) {
    nwMemo_->setPlainText(Text(KeyWordGenerator::MemoText(lines)));
}

void TKWGenForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TKWGenForm::FormShow() {
    setWindowTitle(Text(generator_.FormShow()));
    GroupBox1_->setTitle(Text(generator_.GroupBox1Caption()));
}

void TKWGenForm::done(int result) {
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    QDialog::done(result);
}

void TKWGenForm::FormClose() {
    generator_.FormClose(Edit1_->text().toStdString());
}

void TKWGenForm::Edit1Change(int position) {
    GroupBox1_->setTitle(Text(generator_.Edit1Change(position)));
}

void TKWGenForm::SpeedButton1Click() {
    TakeChecks();
    generator_.SpeedButton1Click();
    FillList();
}

void TKWGenForm::SpeedButton2Click() {
    generator_.SpeedButton2Click();
    FillList();
}

void TKWGenForm::SpeedButton3Click() {
    TakeChecks();
    if (auto lines = generator_.SpeedButton3Click(nwMemo_->toPlainText().toStdString())) {
        ShowInMemo(*lines);
    }
    FillList();
}

void TKWGenForm::SpeedButton4Click() {
    if (auto lines = generator_.SpeedButton4Click(nwMemo_->document()->isModified())) {
        ShowInMemo(*lines);
        nwMemo_->document()->setModified(false);
    }
}

void TKWGenForm::SpeedButton5Click() {
    std::vector<std::string> lines =
        KeyWordGenerator::MemoLines(nwMemo_->toPlainText().toStdString());
    if (generator_.SpeedButton5Click(lines)) {
        nwMemo_->document()->setModified(false);
    }
}

void TKWGenForm::Button2Click() {
    generator_.Button2Click();
}

}  // namespace zendal
