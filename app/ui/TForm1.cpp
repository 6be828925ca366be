#include "app/ui/TForm1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/FieldLists.h"
#include "app/SettingsDefaults.h"
#include "app/StartUp.h"
#include "app/ZendalError.h"
#include "custom/CustomSchemas.h"
#include "custom/ui/CustomPage.h"
#include "custom/ui/MetaGrid.h"

namespace zendal {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QComboBox* DropDown(const char* name, const std::vector<std::string>& items, QWidget* parent) {
    auto* box = Named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : items) {
        box->addItem(Q(item));
    }
    return box;
}

QPlainTextEdit* TextBox(const char* name, QWidget* parent) {
    auto* box = Named(new QPlainTextEdit(parent), name);
    box->setTabChangesFocus(true);
    box->setFixedHeight(64);
    return box;
}

// The fixed text on the right of a page.
QLabel* InfoPanel(const QStringList& lines, QWidget* parent) {
    auto* panel = new QLabel(lines.join(QLatin1Char('\n')), parent);
    panel->setWordWrap(true);
    panel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMargin(6);
    panel->setFixedWidth(210);
    return panel;
}

// A page: its fields on the left, its info panel on the right.
QHBoxLayout* PageLayout(QWidget* page) {
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    return layout;
}

// A field with its note underneath, as one row of a form.
QWidget* WithNote(QWidget* field, const char* note, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* text = new QLabel(QString::fromUtf8(note), row);
    text->setWordWrap(true);
    QFont small = text->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    text->setFont(small);
    field->setParent(row);
    layout->addWidget(field);
    layout->addWidget(text);
    return row;
}

void SetComboText(QComboBox* box, const std::string& text) {
    box->setCurrentText(Q(text));
}

}  // namespace

TForm1::TForm1(MessagePort* messages, QWidget* parent)
    : QMainWindow(parent),
      messages_(this),
      wizard_(messages != nullptr ? *messages : messages_, status_) {
    setObjectName(QStringLiteral("Form1"));
    wizard_.clipboard = &clipboard_;
    setWindowTitle(QString::fromUtf8(kDesignCaption));

    PageControl101 = Named(new QTabWidget(this), "PageControl101");
    setCentralWidget(PageControl101);
    BuildKeyWordsPage();
    BuildOptionsPage();
    BuildCustomPage();
    BuildGeneratePage();
    BuildAnalysisPage();

    StatusBar1 = Named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);
    status_.Attach(StatusBar1);

    FieldsToControls();
    // A fixed-size window, centred on the screen.
    setFixedSize(800, 560);
    if (QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TForm1::BuildKeyWordsPage() {
    TabSheet1 = Named(new QWidget, "TabSheet1");
    PageControl101->addTab(TabSheet1, QStringLiteral("1. Key Words && Desc"));
    QHBoxLayout* page = PageLayout(TabSheet1);
    auto* group = new QGroupBox(QStringLiteral("Key Words && Description"), TabSheet1);
    auto* fields = new QVBoxLayout(group);
    edit22 = TextBox("edit22", group);
    edit1 = TextBox("edit1", group);
    Titlebox = Named(new QLineEdit(group), "Titlebox");
    Titlebox->setToolTip(QStringLiteral("Title of the document"));
    edit22->installEventFilter(this);
    edit1->installEventFilter(this);
    fields->addWidget(
        new QLabel(QStringLiteral("Key Words ( Separate words and phrases with commas)")));
    fields->addWidget(edit22);
    fields->addWidget(new QLabel(
        QStringLiteral("Page Description ( Use Key Words in your description for best results!)")));
    fields->addWidget(edit1);
    fields->addWidget(new QLabel(
        QStringLiteral("Title of your page (Important Element for Web Site Promotion)")));
    fields->addWidget(Titlebox);
    fields->addStretch();
    page->addWidget(group, 1);
    page->addWidget(InfoPanel(
        {"", "", "The Key Words and Description page allows you to:", "", "- Enter Key Words",
         "- Enter Description", "- Enter Page Title", "",
         "Remember the generator checks the characters that you specify in the Body Check "
         "count.The default is the first 1000. Values up to the entire content size are "
         "acceptable.",
         "",
         "You can change the Rule Base that controls the Body Check count on the Optional Tag "
         "Analysis page."},
        TabSheet1));
}

void TForm1::BuildOptionsPage() {
    TabSheet2 = Named(new QWidget, "TabSheet2");
    PageControl101->addTab(TabSheet2, QStringLiteral("2. Options"));
    QHBoxLayout* page = PageLayout(TabSheet2);
    auto* group = new QGroupBox(QStringLiteral("Meta Options"), TabSheet2);
    auto* form = new QFormLayout(group);
    form->setVerticalSpacing(3);
    Edit4 = Named(new QLineEdit(group), "Edit4");
    ComboBox1 = DropDown("ComboBox1", FieldLists::Robots(), group);
    ComboBox1->setMaxVisibleItems(6);
    ComboBox3 = DropDown("ComboBox3", FieldLists::Distribution(), group);
    ComboBox2 = DropDown("ComboBox2", FieldLists::Rating(), group);
    ComboBox5 = DropDown("ComboBox5", FieldLists::Language(), group);
    Edit6 = Named(new QLineEdit(group), "Edit6");
    Edit7 = Named(new QLineEdit(group), "Edit7");
    ComboBox4 = DropDown("ComboBox4", FieldLists::Classification(), group);
    Edit3 = Named(new QLineEdit(group), "Edit3");
    Edit2 = Named(new QLineEdit(group), "Edit2");
    Edit2->setToolTip(
        QStringLiteral(" Instructs search engine crawlers when to return (Default: 30 Days) "));
    CheckBox1 = Named(new QCheckBox(QStringLiteral("Use Pragma (Browser Cache = FALSE)"), group),
                      "CheckBox1");
    CheckBox1->setToolTip(QStringLiteral("Forces browser to reload the page versus using cache"));

    auto* robots = new QLabel(QStringLiteral("S-BOTS"), group);
    robots->setToolTip(QStringLiteral("Robot-Text"));
    form->addRow(QStringLiteral("Generator"), Edit4);
    form->addRow(robots, ComboBox1);
    form->addRow(QStringLiteral("Distribution"), ComboBox3);
    form->addRow(QStringLiteral("Rating"), ComboBox2);
    form->addRow(QStringLiteral("Language"), ComboBox5);
    form->addRow(QStringLiteral("Copyright"), WithNote(Edit6, "Document Rights/Ownership", group));
    form->addRow(QStringLiteral("Author"),
                 WithNote(Edit7,
                          "The Individual(s) that wrote the document, Separate multiple names "
                          "with commas",
                          group));
    form->addRow(QStringLiteral("Classification"), ComboBox4);
    form->addRow(QStringLiteral("Reply to E-Mail Address"),
                 WithNote(Edit3,
                          "The Reply to e-mail address istructs visitors where they should send "
                          "comments regarding the document",
                          group));
    form->addRow(QStringLiteral("Revisit"),
                 WithNote(Edit2,
                          "The Revisit Tag instructs the Search Engine Robot when to come back "
                          "e.g. 30 Days",
                          group));
    form->addRow(WithNote(CheckBox1,
                          "The Pragma  tag tells the browser to load a fresh page versus using "
                          "CACHE",
                          group));
    page->addWidget(group, 1);
    page->addWidget(InfoPanel(
        {"", "", "The Options Page allows you to set:", "",
         "Document Properties, Search Engine Settings, Rights Management, rules and properties, "
         "and Browser Properties.",
         "", "Press the Help button for full Tag Descriptions.", "",
         "If you are unsure of what you want to set s-bots Robots) at follow this simple rule:", "",
         "If you want the robot to index the page ALL if you do not NOINDEX.", "",
         "Do not forget to use the Copyright Tag!"},
        TabSheet2));
}

void TForm1::BuildCustomPage() {
    auto* page = new CustomPage(wizard_);
    Custom = page;
    PageControl101->addTab(Custom, QStringLiteral("2.a Custom Meta Tags"));
    grid1 = page->Grid();
    scname = page->SchemaSelector();
    CheckBox3 = page->findChild<QCheckBox*>("CheckBox3");
    CheckBox6 = page->findChild<QCheckBox*>("CheckBox6");
}

void TForm1::BuildGeneratePage() {
    TabSheet5 = Named(new QWidget, "TabSheet5");
    PageControl101->addTab(TabSheet5, QStringLiteral("3. Generate Tags"));
    QHBoxLayout* page = PageLayout(TabSheet5);
    auto* fields = new QVBoxLayout;
    TagLines = Named(new QPlainTextEdit(TabSheet5), "TagLines");
    TagLines->setReadOnly(true);
    TagLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    CheckBox2 = Named(new QCheckBox(QStringLiteral("Create Backup Files"), TabSheet5), "CheckBox2");
    CheckBox2->setToolTip(QStringLiteral("Select this box to create backup files"));
    CheckBox4 =
        Named(new QCheckBox(QStringLiteral("Remove '<meta' Blanks"), TabSheet5), "CheckBox4");
    CheckBox4->setToolTip(QStringLiteral("Remove meta tag values which were left blank"));
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(CheckBox2);
    boxes->addWidget(CheckBox4);
    boxes->addStretch();
    fields->addWidget(TagLines, 1);
    fields->addLayout(boxes);
    page->addLayout(fields, 1);
    page->addWidget(InfoPanel(
        {"Congratulations! You are almost done.", "",
         "From this page you can set the update settings:", "", "- Create Backups",
         "- Remove Blanks", "", "These Settings allow you to control how the update process works.",
         "", "The Backup feature creates a backup file before the last save.", "",
         "The Remove Blanks removes a meta tag values that were left blank "
         "in the wizard.",
         "", "Read the help for more information.", "", "Thanks for using Zendal!"},
        TabSheet5));
}

void TForm1::BuildAnalysisPage() {
    TabSheet12 = Named(new QWidget, "TabSheet12");
    PageControl101->addTab(TabSheet12, QStringLiteral("Optional Meta Tag Analysis"));
    auto* layout = new QVBoxLayout(TabSheet12);
    auto* inner = Named(new QTabWidget(TabSheet12), "PageControl2");
    inner->setTabPosition(QTabWidget::South);
    inner->addTab(Named(new QWidget, "Analysis"), QStringLiteral("Analysis"));
    layout->addWidget(inner);
}

void TForm1::FieldsToControls() {
    const WizardFields& f = wizard_.fields;
    edit22->setPlainText(Q(f.edit22));
    edit1->setPlainText(Q(f.edit1));
    Titlebox->setText(Q(f.Titlebox));
    Edit4->setText(Q(f.Edit4));
    SetComboText(ComboBox1, f.ComboBox1);
    SetComboText(ComboBox3, f.ComboBox3);
    SetComboText(ComboBox2, f.ComboBox2);
    SetComboText(ComboBox5, f.ComboBox5);
    Edit6->setText(Q(f.Edit6));
    Edit7->setText(Q(f.Edit7));
    SetComboText(ComboBox4, f.ComboBox4);
    Edit3->setText(Q(f.Edit3));
    Edit2->setText(Q(f.Edit2));
    CheckBox1->setChecked(f.CheckBox1);
    CheckBox2->setChecked(f.CheckBox2);
    CheckBox4->setChecked(f.CheckBox4);
    static_cast<CustomPage*>(Custom)->ShowSchema();
}

void TForm1::ControlsToFields() {
    WizardFields& f = wizard_.fields;
    f.edit22 = edit22->toPlainText().toStdString();
    f.edit1 = edit1->toPlainText().toStdString();
    f.Titlebox = Titlebox->text().toStdString();
    f.Edit4 = Edit4->text().toStdString();
    f.ComboBox1 = ComboBox1->currentText().toStdString();
    f.ComboBox3 = ComboBox3->currentText().toStdString();
    f.ComboBox2 = ComboBox2->currentText().toStdString();
    f.ComboBox5 = ComboBox5->currentText().toStdString();
    f.Edit6 = Edit6->text().toStdString();
    f.Edit7 = Edit7->text().toStdString();
    f.ComboBox4 = ComboBox4->currentText().toStdString();
    f.Edit3 = Edit3->text().toStdString();
    f.Edit2 = Edit2->text().toStdString();
    f.CheckBox1 = CheckBox1->isChecked();
    f.CheckBox2 = CheckBox2->isChecked();
    f.CheckBox4 = CheckBox4->isChecked();
    // The custom grid edits the fields itself.
    wizard_.schemaName = scname->currentText().toStdString();
}

void TForm1::FormCreate() {
    if (!StartUp::TakeActiveDocument(wizard_)) {
        return;
    }
    try {
        setWindowTitle(Q(StartUp::Caption(wizard_)));
        // The start-up read joins here.
        CustomSchemas::FillSchemaList(wizard_);
        SettingsDefaults::GetDefaults(wizard_);
        PageControl101->setCurrentWidget(TabSheet1);
    } catch (const ZendalError&) {
        wizard_.messages.Failure(StartUp::kStartFailure);
    }
    FieldsToControls();
}

void TForm1::FormClose() {
    ControlsToFields();
    try {
        SettingsDefaults::SetDefaults(wizard_);
    } catch (const ZendalError& e) {
        wizard_.messages.Error(e.Message());
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    emit closed();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == edit22 || watched == edit1) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace zendal
