#include "app/ui/TForm1.h"

#include "base/ui/InfoPanel.h"
#include "base/ui/WindowButtons.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <type_traits>
#include <utility>
#include <vector>

#include "analysis/RuleBaseCommand.h"
#include "analysis/ui/AnalysisPage.h"
#include "analysis/ui/Tpoledit.h"
#include "base/EHostFailure.h"
#include "base/FieldTable.h"
#include "base/SettingsDefaults.h"
#include "base/StartUp.h"
#include "base/ZendalError.h"
#include "custom/CustomSchemas.h"
#include "custom/ui/CustomPage.h"
#include "keywords/KeyWordCommand.h"
#include "keywords/ui/QtRunProgress.h"
#include "keywords/ui/TKWGenForm.h"

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

QPlainTextEdit* TextBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setTabChangesFocus(true);
    box->setMinimumHeight(box->fontMetrics().lineSpacing() * 4 + 12);
    return box;
}

// The field's value shown in its control, and taken back from it.
void ShowValue(const WizardField& field, const WizardFields& fields, QWidget* control) {
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->setChecked(fields.*field.checked);
        return;
    }
    const QString text = Q(fields.*field.text);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        memo->setPlainText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(text);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->setCurrentText(text);
    }
}

void TakeValue(const WizardField& field, WizardFields& fields, const QWidget* control) {
    if (auto* box = qobject_cast<const QCheckBox*>(control)) {
        fields.*field.checked = box->isChecked();
    } else if (auto* memo = qobject_cast<const QPlainTextEdit*>(control)) {
        fields.*field.text = memo->toPlainText().toStdString();
    } else if (auto* line = qobject_cast<const QLineEdit*>(control)) {
        fields.*field.text = line->text().toStdString();
    } else if (auto* list = qobject_cast<const QComboBox*>(control)) {
        fields.*field.text = list->currentText().toStdString();
    }
}

// The fixed text on the right of a page, on the tool-tip colours like the other pages' panels.
QLabel* PageInfoPanel(const char* name, const QStringList& lines, QWidget* parent) {
    auto* panel = new zendal::InfoPanel(lines.join(QLatin1Char('\n')), name, parent);
    panel->setMinimumWidth(200);
    panel->setMaximumWidth(260);
    return panel;
}

// A page: its fields and info panel side by side over its tool bar, which is returned.
QWidget* PageFrame(QWidget* page, QWidget* fields, QLabel* info, const char* barName) {
    auto* column = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    row->addWidget(fields, 1);
    row->addWidget(info);
    column->addLayout(row, 1);
    auto* bar = Named(new QWidget(page), barName);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 0, 0, 0);
    column->addWidget(bar);
    return bar;
}

void EndBar(QWidget* bar) {
    static_cast<QHBoxLayout*>(bar->layout())->addStretch();
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
    small.setPointSizeF(small.pointSizeF() * 0.9);
    text->setFont(small);
    field->setParent(row);
    layout->addWidget(field);
    layout->addWidget(text);
    return row;
}

}  // namespace

TForm1::TForm1(MessagePort* messages, QWidget* parent)
    : QMainWindow(parent),
      messages_(this),
      helpWindow_(this),
      wizard_(messages != nullptr ? *messages : messages_, status_),
      read_(wizard_),
      analysis_(wizard_),
      tags_(wizard_),
      update_(wizard_, tags_) {
    setObjectName(QStringLiteral("Form1"));
    wizard_.clipboard = &clipboard_;
    wizard_.help = &helpWindow_;
    analysis_.showAnalysisPage = [this] { ShowPage(TabSheet12); };
    setWindowTitle(QString::fromUtf8(kDesignCaption));
    // A fixed-size border with the system menu and the minimise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    PageControl101 = Named(new QTabWidget(this), "PageControl101");
    setCentralWidget(PageControl101);
    BuildKeyWordsPage();
    BuildOptionsPage();
    BuildCustomPage();
    BuildGeneratePage();
    BuildAnalysisPage();
    BuildMenu();
    connect(PageControl101, &QTabWidget::currentChanged, this, &TForm1::PageEntered);

    StatusBar1 = Named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);
    status_.Attach(StatusBar1);

    FieldsToControls();
    // The wizard opens ready for typing the key words.
    edit22->setFocus();
    const QSize size = sizeHint().expandedTo(QSize(820, 580));
    setFixedSize(size);
    if (QScreen* screen = this->screen()) {
        // Centred, but on a screen too small for the whole window the menu stays on it.
        const QRect available = screen->availableGeometry();
        const QPoint centred = available.center() - rect().center();
        move(std::max(centred.x(), available.left()), std::max(centred.y(), available.top()));
    }
}

TForm1::~TForm1() = default;

template <typename Control>
Control* TForm1::Field(const char* name, Control* control) {
    const WizardField& field = FieldTable::OfControl(name);
    control->setObjectName(QString::fromLatin1(field.control));
    if constexpr (std::is_same_v<Control, QComboBox>) {
        control->setEditable(true);
        control->setInsertPolicy(QComboBox::NoInsert);
        QStringList texts;
        for (const std::string& item : field.list()) {
            texts << Q(item);
        }
        control->addItems(texts);
    }
    fieldControls_.push_back({&field, control});
    return control;
}

QToolButton* TForm1::AddButton(QWidget* bar, const char* caption, const char* name,
                               const char* hint, void (TForm1::*handler)()) {
    QToolButton* button = WindowButtons::AddToolButton(bar, caption, name, hint);
    if (handler != nullptr) {
        connect(button, &QToolButton::clicked, this, handler);
    }
    return button;
}

QAction* TForm1::AddItem(QMenu* menu, const char* caption, const char* name, const char* hint,
                         const std::function<void()>& handler) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    if (hint != nullptr) {
        item->setStatusTip(QString::fromUtf8(hint));
        item->setToolTip(QString::fromUtf8(hint));
    }
    connect(item, &QAction::triggered, this, handler);
    return item;
}

void TForm1::BuildKeyWordsPage() {
    TabSheet1 = Named(new QWidget, "TabSheet1");
    PageControl101->addTab(TabSheet1, QStringLiteral("1. Key Words && Desc"));
    auto* group =
        Named(new QGroupBox(QStringLiteral("Key Words && Description"), TabSheet1), "GroupBox1");
    auto* fields = new QVBoxLayout(group);
    edit22 = Field("edit22", TextBox(group));
    edit1 = Field("edit1", TextBox(group));
    Titlebox = Field("Titlebox", new QLineEdit(group));
    WindowButtons::SetHint(Titlebox, "Title of the document");
    edit22->installEventFilter(this);
    edit1->installEventFilter(this);
    auto* spellKeyWords = Named(new QToolButton(group), "SpeedButton4");
    spellKeyWords->setText(QStringLiteral("Spell Check &Key Words"));
    WindowButtons::SetHint(spellKeyWords, "Spell Check The Key words Value");
    connect(spellKeyWords, &QToolButton::clicked, this,
            [this] { SpellChecker().SpeedButton4Click(edit22); });
    auto* spellDescription = Named(new QToolButton(group), "SpeedButton5");
    spellDescription->setText(QStringLiteral("Spell Check &Description"));
    WindowButtons::SetHint(spellDescription, "Spell Check The Description Value");
    connect(spellDescription, &QToolButton::clicked, this,
            [this] { SpellChecker().SpeedButton5Click(edit1); });

    auto* keyWordsLabel =
        new QLabel(QStringLiteral("Key Words ( Separate words and phrases with commas)"), group);
    keyWordsLabel->setBuddy(edit22);
    fields->addWidget(keyWordsLabel);
    fields->addWidget(edit22);
    fields->addWidget(spellKeyWords, 0, Qt::AlignRight);
    fields->addWidget(new QLabel(
        QStringLiteral("Page Description ( Use Key Words in your description for best results!)"),
        group));
    fields->addWidget(edit1);
    fields->addWidget(spellDescription, 0, Qt::AlignRight);
    auto* titleLabel = new QLabel(
        QStringLiteral("Title of your page (Important Element for Web Site Promotion)"), group);
    WindowButtons::SetHint(titleLabel, "Title of the document");
    fields->addWidget(titleLabel);
    fields->addWidget(Titlebox);
    fields->addStretch();

    QWidget* bar = PageFrame(
        TabSheet1, group,
        PageInfoPanel("Info1",
                      {"", "", "The Key Words and Description page allows you to:", "",
                       "- Enter Key Words", "- Enter Description", "- Enter Page Title", "",
                       "Remember the generator checks the characters that you specify in the Body "
                       "Check count.The default is the first 1000. Values up to the entire content "
                       "size are acceptable.",
                       "",
                       "You can change the Rule Base that controls the Body Check count on the "
                       "Optional Tag Analysis page."},
                      TabSheet1),
        "ToolBar1");
    AddButton(bar, "Refresh to Active Page", "SpeedButton2", "Refresh to ColdFusion Active Page",
              &TForm1::SpeedButton2Click);
    AddButton(bar, "Key Words", "SpeedButton9", "Execute", &TForm1::SpeedButton9Click);
    AddButton(bar, "Read Html", "Button15", "Read Properties from HTML", &TForm1::Button15Click);
    AddButton(bar, "Clear All", "SpeedButton8", "Clear all current values",
              &TForm1::SpeedButton8Click);
    AddButton(bar, "Next", "savekeywds", "Save these values and continue",
              &TForm1::savekeywdsClick);
    connect(AddButton(bar, "Help", "button14", "Help", nullptr), &QToolButton::clicked, this,
            [this] { ShowHelp(HelpContext::KeyWordsPage); });
    AddButton(bar, "About", "SpeedButton15", "About Zendal - HomeSite Edition",
              &TForm1::SpeedButton15Click);
    EndBar(bar);
}

void TForm1::BuildOptionsPage() {
    TabSheet2 = Named(new QWidget, "TabSheet2");
    PageControl101->addTab(TabSheet2, QStringLiteral("2. Options"));
    auto* group = Named(new QGroupBox(QStringLiteral("Meta Options"), TabSheet2), "GroupBox2");
    auto* form = new QFormLayout(group);
    form->setVerticalSpacing(4);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    Edit4 = Field("Edit4", new QLineEdit(group));
    ComboBox1 = Field("ComboBox1", new QComboBox(group));
    ComboBox1->setMaxVisibleItems(6);
    ComboBox3 = Field("ComboBox3", new QComboBox(group));
    ComboBox2 = Field("ComboBox2", new QComboBox(group));
    ComboBox5 = Field("ComboBox5", new QComboBox(group));
    Edit6 = Field("Edit6", new QLineEdit(group));
    Edit7 = Field("Edit7", new QLineEdit(group));
    ComboBox4 = Field("ComboBox4", new QComboBox(group));
    Edit3 = Field("Edit3", new QLineEdit(group));
    Edit2 = Field("Edit2", new QLineEdit(group));
    WindowButtons::SetHint(Edit2,
                           " Instructs search engine crawlers when to return (Default: 30 Days) ");
    CheckBox1 = Field("CheckBox1",
                      new QCheckBox(QStringLiteral("Use Pragma (Browser Cache = FALSE)"), group));
    WindowButtons::SetHint(CheckBox1, "Forces browser to reload the page versus using cache");

    auto* robots = new QLabel(QStringLiteral("S-BOTS"), group);
    WindowButtons::SetHint(robots, "Robot-Text");
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

    QWidget* bar = PageFrame(
        TabSheet2, group,
        PageInfoPanel("Info2",
                      {"", "", "The Options Page allows you to set:", "",
                       "Document Properties, Search Engine Settings, Rights Management, rules and "
                       "properties, and Browser Properties.",
                       "", "Press the Help button for full Tag Descriptions.", "",
                       "If you are unsure of what you want to set s-bots Robots) at follow this "
                       "simple rule:",
                       "", "If you want the robot to index the page ALL if you do not NOINDEX.", "",
                       "Do not forget to use the Copyright Tag!"},
                      TabSheet2),
        "ToolBar2");
    AddButton(bar, "Read Html", "rhtmlopt", "Read HTML Properties", &TForm1::rhtmloptClick);
    AddButton(bar, "Clear All", "SpeedButton7", "Clear All current values",
              &TForm1::SpeedButton7Click);
    connect(AddButton(bar, "Custom", "SpeedButton11", "Edit", nullptr), &QToolButton::clicked, this,
            [this] { ShowPage(Custom); });
    connect(AddButton(bar, "Next", "SaveOpt", "Save Values and Continue", nullptr),
            &QToolButton::clicked, this, [this] { ShowPage(TabSheet5); });
    connect(AddButton(bar, "Help", "Button12", "Help", nullptr), &QToolButton::clicked, this,
            [this] { ShowHelp(HelpContext::OptionsPage); });
    EndBar(bar);
}

void TForm1::BuildCustomPage() {
    customPage_ = new CustomPage(wizard_);
    Custom = customPage_;
    PageControl101->addTab(Custom, QStringLiteral("2.a Custom Meta Tags"));
    grid1 = customPage_->Grid();
    scname = customPage_->SchemaSelector();
    CheckBox3 = customPage_->findChild<QCheckBox*>("CheckBox3");
    CheckBox6 = customPage_->findChild<QCheckBox*>("CheckBox6");
    connect(customPage_->ReadHtmlButton(), &QToolButton::clicked, this,
            &TForm1::SpeedButton14Click);
    connect(customPage_->NextButton(), &QToolButton::clicked, this,
            [this] { ShowPage(TabSheet5); });
}

void TForm1::BuildGeneratePage() {
    TabSheet5 = Named(new QWidget, "TabSheet5");
    PageControl101->addTab(TabSheet5, QStringLiteral("3. Generate Tags"));
    auto* fields = new QWidget(TabSheet5);
    auto* column = new QVBoxLayout(fields);
    column->setContentsMargins(0, 0, 0, 0);
    TagLines = Named(new QPlainTextEdit(fields), "TagLines");
    TagLines->setReadOnly(true);
    TagLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    CheckBox2 = Field("CheckBox2", new QCheckBox(QStringLiteral("Create Backup Files"), fields));
    WindowButtons::SetHint(CheckBox2, "Select this box to create backup files");
    CheckBox4 = Field("CheckBox4", new QCheckBox(QStringLiteral("Remove '<meta' Blanks"), fields));
    WindowButtons::SetHint(CheckBox4, "Remove meta tag values which were left blank");
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(CheckBox2);
    boxes->addWidget(CheckBox4);
    boxes->addStretch();
    column->addWidget(TagLines, 1);
    column->addLayout(boxes);

    QWidget* bar = PageFrame(
        TabSheet5, fields,
        PageInfoPanel("Info5",
                      {"Congratulations! You are almost done.", "",
                       "From this page you can set the update settings:", "", "- Create Backups",
                       "- Remove Blanks", "",
                       "These Settings allow you to control how the update process works.", "",
                       "The Backup feature creates a backup file before the last save.", "",
                       "The Remove Blanks removes a meta tag values that were left blank in the "
                       "wizard.",
                       "", "Read the help for more information.", "", "Thanks for using Zendal!"},
                      TabSheet5),
        "ToolBar4");
    AddButton(bar, "Clipboard", "Button32", "Copy Tags to the Clipboard", &TForm1::Button32Click);
    AddButton(bar, "Update", "Button34", "Write meta tags to your file", &TForm1::Button34Click);
    connect(AddButton(bar, "Help", "Button17", "Help", nullptr), &QToolButton::clicked, this,
            [this] { ShowHelp(HelpContext::GeneratePage); });
    connect(AddButton(bar, "Exit", "SpeedButton13", "Exit", nullptr), &QToolButton::clicked, this,
            &QWidget::close);
    EndBar(bar);
}

void TForm1::BuildAnalysisPage() {
    analysisPage_ = new AnalysisPage;
    tags_.clearReport = [this] { analysisPage_->SubmitReady()->clear(); };
    TabSheet12 = analysisPage_;
    PageControl101->addTab(TabSheet12, QStringLiteral("Optional Meta Tag Analysis"));
    connect(analysisPage_->ExamineButton(), &QToolButton::clicked, this,
            &TForm1::SpeedButton1Click);
    connect(analysisPage_->ClipboardButton(), &QToolButton::clicked, this,
            &TForm1::SpeedButton16Click);
    connect(analysisPage_->EditRulesButton(), &QToolButton::clicked, this,
            &TForm1::SpeedButton12Click);
    connect(analysisPage_->HelpButton(), &QToolButton::clicked, this,
            [this] { ShowHelp(HelpContext::AnalysisPage); });
    // The inner tab is entered when the focus goes into it.
    QWidget* inner = analysisPage_->findChild<QWidget*>(QStringLiteral("TabSheet13"));
    connect(qApp, &QApplication::focusChanged, this, [this, inner](QWidget* old, QWidget* now) {
        if (now != nullptr && inner->isAncestorOf(now) &&
            (old == nullptr || !inner->isAncestorOf(old))) {
            TabSheet13Enter();
        }
    });
}

void TForm1::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto menu = [bar](const char* caption, const char* name) {
        QMenu* m = bar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item"));
        return m;
    };
    QMenu* file = menu("&File", "File1");
    AddItem(file, "Refresh From ColdFusion Studio", "RefreshFromColdFusionStudio1",
            "Refresh Active Document Properties from HomeSite", [this] { SpeedButton2Click(); });
    file->addSeparator();
    AddItem(file, "E&xit Zendal", "ExitZendal1", "Exit Zendal for HomeSite", [this] { close(); });

    QMenu* settings = menu("Set&tings", "Settings1");
    AddItem(settings, "Meta Tag &Analysis Rule Base", "MetaTagAnalysisRuleBase1",
            "Update meta Tag Analysis Rule Base", [this] { SpeedButton12Click(); });

    QMenu* run = menu("&Run", "Run1");
    AddItem(run, "Key Word &Generator", "KeyWordGenerator1", "Run the Key Word Generator",
            [this] { SpeedButton9Click(); });
    AddItem(run, "MetaTag &Analysis", "MetaTagAnalysis1",
            "Run Metata Tag  Analysis on the current document", [this] { SpeedButton1Click(); });
    run->addSeparator();
    AddItem(run, "Meta Tag Update", "MetaTagUpdate1", "Update Document with Meta Tags",
            [this] { Button34Click(); });

    QMenu* select = menu("Se&lect", "Select1");
    AddItem(select, "&1. Key Words && Description Page", "KeyWordsDescriptionPage1",
            "Select Page One for View/Edit", [this] { ShowPage(TabSheet1); });
    AddItem(select, "&2. Options Page", "OptionsPage1", "Select Page Two for View/Edit",
            [this] { ShowPage(TabSheet2); });
    AddItem(select, "&2.a Custom Meta Data", "CustomMetaData1", "Select Page 2.a for View/Edit",
            [this] { ShowPage(Custom); });
    AddItem(select, "&3. Generate Tags Page", "GenerateTagsPage1",
            "Select Page Three for View/Edit", [this] { ShowPage(TabSheet5); });
    select->addSeparator();
    AddItem(select, "&Optional Meta Tag Analysis", "OptionalMetaTagAnalysis1",
            "Select the Optional Meta Tag Analysis Page for View/Edit",
            [this] { ShowPage(TabSheet12); });

    QMenu* coldFusion = menu("ColdF&usion", "ColdFusion1");
    AddItem(coldFusion, "&Show Active Document Name", "ShowActiveDocumentName1",
            "Display Active Document Name (Document That will be updated",
            [this] { ShowActiveDocumentName1Click(); });
    coldFusion->addSeparator();
    AddItem(coldFusion, "Add Zendal to the Common ToolBar in ColdFusion", "AddZendal1",
            "Create Nutton for this Add-in in the Common Toolbar", [this] { AddZendal1Click(); });

    QMenu* help = menu("&Help", "Help1");
    const auto helpItem = [this, help](const char* caption, const char* name, HelpContext context) {
        AddItem(help, caption, name, nullptr, [this, context] { ShowHelp(context); });
    };
    helpItem("&Contents", "Contents1", HelpContext::Contents);
    helpItem("&What's New", "WhatsNew1", HelpContext::WhatsNew);
    AddItem(help, "Help for the current &page", "HelpForCurrentPage1", nullptr,
            [this] { HelpForCurrentPage1Click(); });
    helpItem("&Using the Key Word Generator", "UsingTheKeyWordGenerator1",
             HelpContext::KeyWordGenerator);
    helpItem("&How Zendal works with ColdFusion", "HowZendalWorks1", HelpContext::HowZendalWorks);
    help->addSeparator();
    helpItem("&Web Site Promotion FAQS", "WebSitePromotionFAQS1", HelpContext::PromotionFaq);
    helpItem("&Meta Tags Supported by Zendal", "MetaTagsSupported1", HelpContext::MetaTags);
    helpItem("&Creating your Web Document", "CreatingYourWebDocument1",
             HelpContext::CreatingDocuments);
    help->addSeparator();
    AddItem(help, "&About Zendal", "AboutZendal1", nullptr, [this] { SpeedButton15Click(); });
}

QtSpellChecker& TForm1::SpellChecker() {
    if (!SpellDlg1) {
        SpellDlg1 = std::make_unique<QtSpellChecker>(this, messagePort(), wizard_.programFolder);
        SpellDlg1->dialog().SetHelp(&helpWindow_);
        SpellDlg1->SetWindowState([this] { return ComboBox5->currentText().toStdString(); },
                                  wizard_.settings, &wizard_.status);
    }
    return *SpellDlg1;
}

void TForm1::RunCommand(const std::function<void()>& command) {
    ControlsToFields();
    try {
        command();
    } catch (const ZendalError& failure) {
        wizard_.messages.Error(failure.Message());
    } catch (const std::exception& failure) {
        wizard_.messages.Error(failure.what());
    }
    FieldsToControls();
}

void TForm1::ShowPage(QWidget* page) {
    PageControl101->setCurrentWidget(page);
}

void TForm1::PageEntered(int index) {
    QWidget* page = PageControl101->widget(index);
    if (page == TabSheet1) {
        TabSheet1Enter();
    } else if (page == TabSheet5) {
        TabSheet5Enter();
    } else if (page == TabSheet12) {
        TabSheet12Enter();
    }
}

void TForm1::TabSheet1Enter() {
    status_.SetPanelText(StatusPort::MessagePanel, "Complete Key Words, Description and Title");
}

void TForm1::TabSheet5Enter() {
    RunCommand([this] { tags_.TabSheet5Enter(); });
    TagLines->setPlainText(Q(tags_.TagLinesText()));
}

void TForm1::TabSheet12Enter() {
    status_.SetPanelText(StatusPort::MessagePanel, "Meta Tag analysis functions");
}

void TForm1::TabSheet13Enter() {
    status_.SetPanelText(StatusPort::MessagePanel, "Run meta tag analysis");
}

void TForm1::SpeedButton2Click() {
    RunCommand([this] {
        read_.SpeedButton2Click();
        setWindowTitle(Q(StartUp::Caption(wizard_)));
    });
}

void TForm1::SpeedButton9Click() {
    ShowPage(TabSheet1);
    RunCommand([this] {
        QtRunProgress progress(this);
        KeyWordCommand::SpeedButton9Click(
            wizard_,
            [this](KeyWordGenerator& generator) { TKWGenForm::ShowModal(generator, this); },
            &progress);
    });
}

void TForm1::Button15Click() {
    RunCommand([this] { read_.Button15Click(); });
}

void TForm1::SpeedButton8Click() {
    edit22->clear();
    edit1->clear();
    Titlebox->clear();
}

void TForm1::savekeywdsClick() {
    ShowPage(TabSheet2);
}

void TForm1::SpeedButton15Click() {
    if (showAboutBox) {
        showAboutBox();
    }
}

void TForm1::rhtmloptClick() {
    RunCommand([this] { read_.rhtmloptClick(); });
}

void TForm1::SpeedButton7Click() {
    for (QLineEdit* edit : {Edit2, Edit3, Edit4, Edit6, Edit7}) {
        edit->clear();
    }
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5}) {
        box->setCurrentText(QString());
    }
}

void TForm1::SpeedButton14Click() {
    RunCommand([this] { read_.SpeedButton14Click(); });
}

void TForm1::Button32Click() {
    RunCommand([this] { tags_.Button32Click(TagLines->toPlainText().toStdString()); });
}

void TForm1::Button34Click() {
    RunCommand([this] { update_.Button34Click(); });
}

void TForm1::SpeedButton1Click() {
    RunCommand([this] { analysis_.SpeedButton1Click(); });
    analysisPage_->ShowReport(analysis_.SubmitReady());
}

void TForm1::SpeedButton16Click() {
    analysisPage_->SubmitReady()->selectAll();
    if (wizard_.clipboard != nullptr) {
        wizard_.clipboard->SetText(analysis_.ReportText());
    }
}

void TForm1::SpeedButton12Click() {
    if (ruleBaseWindow_ == nullptr && wizard_.settings != nullptr) {
        ruleBaseWindow_ = new Tpoledit(*wizard_.settings, wizard_.messages, wizard_.help, this);
    }
    RunCommand([this] {
        RuleBaseCommand::SpeedButton12Click(wizard_, [this] {
            if (ruleBaseWindow_ != nullptr) {
                ruleBaseWindow_->exec();
            }
        });
    });
}

void TForm1::ShowActiveDocumentName1Click() {
    std::string name;
    try {
        name = wizard_.RequireHost().FILENAME();
    } catch (const EHostFailure&) {
        wizard_.messages.Failure(kNameFailure);
        return;
    }
    wizard_.messages.Message(name);
}

void TForm1::AddZendal1Click() {
    try {
        wizard_.RequireHost().AddAppToolbutton("Common", programFile, "", kToolbarHint);
    } catch (const EHostFailure&) {
        wizard_.messages.Failure(kButtonFailure);
    }
}

HelpContext TForm1::CurrentPageHelpContext() const {
    QWidget* page = PageControl101->currentWidget();
    if (page == TabSheet2) {
        return HelpContext::OptionsPage;
    }
    if (page == Custom) {
        return HelpContext::CustomPage;
    }
    if (page == TabSheet5) {
        return HelpContext::GeneratePage;
    }
    if (page == TabSheet12) {
        return HelpContext::AnalysisPage;
    }
    return HelpContext::KeyWordsPage;
}

void TForm1::HelpForCurrentPage1Click() {
    ShowHelp(CurrentPageHelpContext());
}

void TForm1::ShowHelp(HelpContext context) {
    if (wizard_.help != nullptr) {
        wizard_.help->ShowContext(context);
    }
}

void TForm1::FieldsToControls() {
    for (const auto& [field, control] : fieldControls_) {
        ShowValue(*field, wizard_.fields, control);
    }
    customPage_->ShowSchema();
}

void TForm1::ControlsToFields() {
    grid1->CommitEdit();
    for (const auto& [field, control] : fieldControls_) {
        TakeValue(*field, wizard_.fields, control);
    }
    // The custom grid edits the fields itself.
    wizard_.schemaName = scname->currentText().toStdString();
}

void TForm1::FormCreate() {
    if (!StartUp::TakeActiveDocument(wizard_)) {
        return;
    }
    try {
        setWindowTitle(Q(StartUp::Caption(wizard_)));
        CustomSchemas::FillSchemaList(wizard_);
        SettingsDefaults::GetDefaults(wizard_, CustomSchemas::scnameClick);
        FieldsToControls();
        ShowPage(TabSheet1);
        // The start-up read handles the document's failures itself.
        read_.xread();
    } catch (const std::exception&) {
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
    wizard_.host = nullptr;
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
