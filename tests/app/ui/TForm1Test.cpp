#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

#include "app/ui/DocumentWindow.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/TForm1.h"
#include "base/FieldTable.h"
#include "base/IniSettingsStore.h"
#include "spell/SpellCheckButtons.h"
#include "support/MemoryHost.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingHelpPort.h"
#include "support/ScriptedMessagePort.h"

using zendal::StatusPort;
using zendal::TForm1;

namespace {

constexpr const char* kKey = "Software\\VELQ\\rodoru";

using RecordingHelp = zendal::test::RecordingHelpPort;

struct RecordingClipboard : zendal::ClipboardPort {
    void SetText(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A form over a host in memory, settings in memory and a home folder with one schema.
struct Bench {
    explicit Bench(zendal::MessagePort& messages) : form(&messages) {
        host.fileName = "/site/page.html";
        host.text = ReadAll(QStringLiteral(ZENDAL_TEST_DATA_DIR "/app/page.html")).toStdString();
        home = dir.path().toStdString() + "/";
        QDir().mkpath(dir.filePath(QStringLiteral("schemas")));
        QFile::copy(QStringLiteral(ZENDAL_TEST_DATA_DIR "/app/basic.zds"),
                    dir.filePath(QStringLiteral("schemas/basic.zds")));
        zendal::Wizard& wizard = form.wizard();
        wizard.host = &host;
        wizard.settings = &settings;
        wizard.programFolder = home;
        wizard.help = &help;
        wizard.clipboard = &clipboard;
    }
    void Store(const char* name, const char* value) { settings.values[{kKey, name}] = value; }
    std::string Panel(StatusPort::Panel panel) { return form.statusPort().PanelText(panel); }

    QTemporaryDir dir;
    std::string home;
    zendal::test::MemoryHost host;
    zendal::test::MemorySettingsStore settings;
    RecordingHelp help;
    RecordingClipboard clipboard;
    TForm1 form;
};

QToolButton* Button(TForm1& form, const char* name) {
    auto* button = form.findChild<QToolButton*>(QString::fromLatin1(name));
    if (button == nullptr) {
        qWarning("no button %s", name);
    }
    return button;
}

QAction* Item(TForm1& form, const char* name) {
    auto* item = form.findChild<QAction*>(QString::fromLatin1(name));
    if (item == nullptr) {
        qWarning("no menu item %s", name);
    }
    return item;
}

}  // namespace

class TForm1Test : public QObject {
    Q_OBJECT

  private slots:
    void fieldControlsStartAtTheirValues() {
        TForm1 form(&messages_);
        QCOMPARE(form.windowTitle(),
                 QString::fromUtf8("Zendal\u00AE for the ColdFusion\u00AE Studio"));
        struct Expected {
            const char* name;
            QString text;
        };
        const Expected combos[] = {{"ComboBox1", "ALL"}, {"ComboBox3", "Global"},
                                   {"ComboBox2", ""},    {"ComboBox5", "en-us"},
                                   {"ComboBox4", ""},    {"scname", ""}};
        for (const Expected& e : combos) {
            auto* box = form.findChild<QComboBox*>(e.name);
            QVERIFY2(box != nullptr, e.name);
            QCOMPARE(box->currentText(), e.text);
        }
        QCOMPARE(form.ComboBox5->count(), 124);
        QCOMPARE(form.ComboBox4->count(), 71);
        QCOMPARE(form.ComboBox1->itemText(5), QStringLiteral("NOINDEX, FOLLOW"));
        const Expected lines[] = {{"Titlebox", ""}, {"Edit4", ""}, {"Edit6", ""},
                                  {"Edit7", ""},    {"Edit3", ""}, {"Edit2", "30 days"}};
        for (const Expected& e : lines) {
            auto* edit = form.findChild<QLineEdit*>(e.name);
            QVERIFY2(edit != nullptr, e.name);
            QCOMPARE(edit->text(), e.text);
        }
        QVERIFY(form.findChild<QPlainTextEdit*>("edit22") != nullptr);
        QVERIFY(form.findChild<QPlainTextEdit*>("edit1") != nullptr);
        QVERIFY(!form.findChild<QCheckBox*>("CheckBox1")->isChecked());
        QVERIFY(form.findChild<QCheckBox*>("CheckBox2")->isChecked());
        QVERIFY(!form.findChild<QCheckBox*>("CheckBox4")->isChecked());
        QCOMPARE(form.grid1->model()->rowCount(), 4);
    }

    // Every field of the table has its control, and its value goes there and back.
    void everyFieldOfTheTableGoesThroughItsControl() {
        TForm1 form(&messages_);
        zendal::WizardFields& fields = form.wizard().fields;
        for (const zendal::WizardField& field : zendal::FieldTable::Fields()) {
            QVERIFY2(form.findChild<QWidget*>(field.control) != nullptr, field.control);
            if (field.checked != nullptr) {
                fields.*field.checked = !(fields.*field.checked);
            } else {
                fields.*field.text = std::string("value of ") + field.control;
            }
        }
        const zendal::WizardFields shown = fields;
        form.FieldsToControls();
        fields = zendal::WizardFields{};
        form.ControlsToFields();
        for (const zendal::WizardField& field : zendal::FieldTable::Fields()) {
            if (field.checked != nullptr) {
                QVERIFY2(fields.*field.checked == shown.*field.checked, field.control);
            } else {
                QCOMPARE(fields.*field.text, shown.*field.text);
            }
        }
    }

    void aScreenSmallerThanTheWizardKeepsItsMenuOnIt() {
        TForm1 form(&messages_);
        const QRect available = form.screen()->availableGeometry();
        QVERIFY2(form.width() > available.width() || form.height() > available.height(),
                 "the test screen must be smaller than the wizard");
        QVERIFY(available.contains(form.geometry().topLeft()));
    }

    void enterDoesNotBreakTheKeyWords() {
        TForm1 form(&messages_);
        form.show();
        QTest::keyClicks(form.edit22, QStringLiteral("web"));
        QTest::keyClick(form.edit22, Qt::Key_Return);
        QTest::keyClicks(form.edit22, QStringLiteral(", meta"));
        QCOMPARE(form.edit22->toPlainText(), QStringLiteral("web, meta"));
    }

    void captionNamesTheDocumentWindowsFile() {
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("index.html"));
        QVERIFY(QFile::copy(QStringLiteral(ZENDAL_TEST_DATA_DIR "/app/page.html"), page));
        const std::string home = dir.filePath(QStringLiteral("home")).toStdString() + "/";
        QVERIFY(QDir().mkpath(QString::fromStdString(home)));
        zendal::IniSettingsStore settings(home);

        TForm1 form(&messages_);
        zendal::DocumentWindow document(page.toStdString(), messages_);
        form.wizard().host = &document;
        form.wizard().settings = &settings;
        form.wizard().programFolder = home;  // its schemas folder is listed
        QVERIFY(QDir().mkpath(QString::fromStdString(home + "schemas")));
        form.FormCreate();
        QCOMPARE(form.windowTitle(), QStringLiteral("Zendal - ") + page);
        QCOMPARE(form.statusPort().PanelText(zendal::StatusPort::StatePanel), std::string("Ready"));
        QCOMPARE(form.statusPort().PanelText(zendal::StatusPort::SparePanel), std::string("NONE"));
        QCOMPARE(form.statusPort().PanelText(zendal::StatusPort::FileCounterPanel),
                 std::string("NONE"));
        QVERIFY(messages_.shown.empty());

        // Closing writes the boxes into the values that exist.
        form.CheckBox4->setChecked(true);
        form.CheckBox2->setChecked(false);
        QVERIFY(form.close());
        QVERIFY(settings.OpenKey("Software\\VELQ\\rodoru"));
        QCOMPARE(settings.ReadString("Software\\VELQ\\rodoru", "removeblanks"), std::string("1"));
        QCOMPARE(settings.ReadString("Software\\VELQ\\rodoru", "backup"), std::string("0"));
    }

    void withoutAHostTheDesignCaptionStays() {
        zendal::test::MemoryHost host;
        host.failFileName = true;
        TForm1 form(&messages_);
        form.wizard().host = &host;
        form.FormCreate();
        QCOMPARE(form.windowTitle(), QString::fromUtf8(TForm1::kDesignCaption));
        QCOMPARE(messages_.Texts(), std::vector<std::string>{"Could not start HomeSite ."});
        QCOMPARE(form.statusPort().PanelText(zendal::StatusPort::StatePanel), std::string());
    }

    void pagesHaveTheirCaptionsAndInfoPanels() {
        TForm1 form(&messages_);
        const QStringList captions = {"1. Key Words && Desc", "2. Options", "2.a Custom Meta Tags",
                                      "3. Generate Tags", "Optional Meta Tag Analysis"};
        const QStringList names = {"TabSheet1", "TabSheet2", "Custom", "TabSheet5", "TabSheet12"};
        QCOMPARE(form.PageControl101->count(), captions.size());
        for (int i = 0; i < captions.size(); ++i) {
            QCOMPARE(form.PageControl101->tabText(i), captions[i]);
            QCOMPARE(form.PageControl101->widget(i)->objectName(), names[i]);
        }
        QCOMPARE(form.findChild<QLabel*>("Info1")->text(),
                 QStringLiteral("\n\nThe Key Words and Description page allows you to:\n\n- Enter "
                                "Key Words\n- Enter Description\n- Enter Page Title\n\nRemember "
                                "the generator checks the characters that you specify in the "
                                "Body Check count.The default is the first 1000. Values up to "
                                "the entire content size are acceptable.\n\nYou can change the "
                                "Rule Base that controls the Body Check count on the Optional "
                                "Tag Analysis page."));
        QVERIFY(form.findChild<QLabel*>("Info2")->text().startsWith(
            "\n\nThe Options Page allows you to set:\n\nDocument Properties,"));
        QVERIFY(form.findChild<QLabel*>("Info2")->text().endsWith(
            "NOINDEX.\n\nDo not forget to use the Copyright Tag!"));
        QVERIFY(form.findChild<QLabel*>("Info5")->text().startsWith(
            "Congratulations! You are almost done.\n\nFrom this page"));
        QVERIFY(form.findChild<QLabel*>("Info5")->text().endsWith(
            "information.\n\nThanks for using Zendal!"));
        QCOMPARE(form.CheckBox1->text(), QStringLiteral("Use Pragma (Browser Cache = FALSE)"));
        QCOMPARE(form.CheckBox2->text(), QStringLiteral("Create Backup Files"));
        QCOMPARE(form.CheckBox4->text(), QStringLiteral("Remove '<meta' Blanks"));
        QCOMPARE(form.StatusBar1->findChildren<QLabel*>().size() >= 4, true);
    }

    void toolBarButtonsHaveCaptionsAndHints() {
        TForm1 form(&messages_);
        struct Expected {
            const char* name;
            const char* caption;
            const char* hint;
        };
        const Expected buttons[] = {
            {"SpeedButton2", "Refresh to Active Page", "Refresh to ColdFusion Active Page"},
            {"SpeedButton9", "Key Words", "Execute"},
            {"Button15", "Read Html", "Read Properties from HTML"},
            {"SpeedButton8", "Clear All", "Clear all current values"},
            {"savekeywds", "Next", "Save these values and continue"},
            {"button14", "Help", "Help"},
            {"SpeedButton15", "About", "About Zendal - HomeSite Edition"},
            {"SpeedButton4", "Spell Check &Key Words", "Spell Check The Key words Value"},
            {"SpeedButton5", "Spell Check &Description", "Spell Check The Description Value"},
            {"rhtmlopt", "Read Html", "Read HTML Properties"},
            {"SpeedButton7", "Clear All", "Clear All current values"},
            {"SpeedButton11", "Custom", "Edit"},
            {"SaveOpt", "Next", "Save Values and Continue"},
            {"Button12", "Help", "Help"},
            {"SpeedButton6", "Delete", "Delete the Active Schema"},
            {"button38", "Save", "Save Current Schema"},
            {"SpeedButton14", "Read HTML", "Read From HTML"},
            {"SpeedButton10", "Next", "Continue to Step 3"},
            {"SpeedButton3", "Help", "Help"},
            {"Button32", "Clipboard", "Copy Tags to the Clipboard"},
            {"Button34", "Update", "Write meta tags to your file"},
            {"Button17", "Help", "Help"},
            {"SpeedButton13", "Exit", "Exit"},
            {"SpeedButton16", "Clipboard", "Copy Report to the Clipboard"},
            {"SpeedButton12", "Edit Rules", "Edit the Rules Base"},
            {"SpeedButton1", "Examine Meta Tags Now", "Perform Meta Tag Analysis Now"},
            {"mta", "Help", "Help"},
        };
        for (const Expected& e : buttons) {
            QToolButton* button = Button(form, e.name);
            QVERIFY2(button != nullptr, e.name);
            QCOMPARE(button->text(), QString::fromUtf8(e.caption));
            QCOMPARE(button->toolTip(), QString::fromUtf8(e.hint));
            QCOMPARE(button->statusTip(), QString::fromUtf8(e.hint));
        }
        QCOMPARE(form.Titlebox->toolTip(), QStringLiteral("Title of the document"));
        QCOMPARE(form.Edit2->toolTip(),
                 QStringLiteral(" Instructs search engine crawlers when to return (Default: 30 "
                                "Days) "));
    }

    void menuHasItsItemsHintsAndSeparators() {
        TForm1 form(&messages_);
        // "-" stands for a separator; the hint follows each item's caption after "|".
        const QStringList expected = {
            "&File",
            "Refresh From ColdFusion Studio|Refresh Active Document Properties from HomeSite",
            "-",
            "E&xit Zendal|Exit Zendal for HomeSite",
            "Set&tings",
            "Meta Tag &Analysis Rule Base|Update meta Tag Analysis Rule Base",
            "&Run",
            "Key Word &Generator|Run the Key Word Generator",
            "MetaTag &Analysis|Run Metata Tag  Analysis on the current document",
            "-",
            "Meta Tag Update|Update Document with Meta Tags",
            "Se&lect",
            "&1. Key Words && Description Page|Select Page One for View/Edit",
            "&2. Options Page|Select Page Two for View/Edit",
            "&2.a Custom Meta Data|Select Page 2.a for View/Edit",
            "&3. Generate Tags Page|Select Page Three for View/Edit",
            "-",
            "&Optional Meta Tag Analysis|Select the Optional Meta Tag Analysis Page for View/Edit",
            "ColdF&usion",
            "&Show Active Document Name|Display Active Document Name (Document That will be "
            "updated",
            "-",
            "Add Zendal to the Common ToolBar in ColdFusion|Create Nutton for this Add-in in the "
            "Common Toolbar",
            "&Help",
            "&Contents|",
            "&What's New|",
            "Help for the current &page|",
            "&Using the Key Word Generator|",
            "&How Zendal works with ColdFusion|",
            "-",
            "&Web Site Promotion FAQS|",
            "&Meta Tags Supported by Zendal|",
            "&Creating your Web Document|",
            "-",
            "&About Zendal|"};
        QStringList shown;
        for (QAction* menuAction : form.menuBar()->actions()) {
            shown << menuAction->text();
            for (QAction* item : menuAction->menu()->actions()) {
                shown << (item->isSeparator() ? QStringLiteral("-")
                                              : item->text() + "|" + item->statusTip());
            }
        }
        QCOMPARE(shown, expected);
    }

    void pageEntryWritesItsTexts() {
        Bench bench(messages_);
        TForm1& form = bench.form;
        form.PageControl101->setCurrentWidget(form.TabSheet2);
        form.findChild<QAction*>("KeyWordsDescriptionPage1")->trigger();
        QCOMPARE(form.PageControl101->currentWidget(), form.TabSheet1);
        QCOMPARE(bench.Panel(StatusPort::MessagePanel),
                 std::string("Complete Key Words, Description and Title"));
        Item(form, "OptionalMetaTagAnalysis1")->trigger();
        QCOMPARE(form.PageControl101->currentWidget(), form.TabSheet12);
        QCOMPARE(bench.Panel(StatusPort::MessagePanel), std::string("Meta Tag analysis functions"));
        form.TabSheet13Enter();
        QCOMPARE(bench.Panel(StatusPort::MessagePanel), std::string("Run meta tag analysis"));
        // Next and Custom buttons and the Select menu move between the pages.
        const std::pair<const char*, QWidget*> moves[] = {{"savekeywds", form.TabSheet2},
                                                          {"SpeedButton11", form.Custom},
                                                          {"SaveOpt", form.TabSheet5},
                                                          {"SpeedButton10", form.TabSheet5}};
        for (const auto& [name, page] : moves) {
            Button(form, name)->click();
            QCOMPARE(form.PageControl101->currentWidget(), page);
        }
    }

    void helpOpensTheContextOfEveryItemAndPage() {
        Bench bench(messages_);
        TForm1& form = bench.form;
        const std::pair<const char*, int> items[] = {{"Contents1", 0},
                                                     {"WhatsNew1", 77},
                                                     {"UsingTheKeyWordGenerator1", 17},
                                                     {"HowZendalWorks1", 11},
                                                     {"WebSitePromotionFAQS1", 13},
                                                     {"MetaTagsSupported1", 18},
                                                     {"CreatingYourWebDocument1", 8}};
        for (const auto& [name, context] : items) {
            bench.help.contexts.clear();
            Item(form, name)->trigger();
            QCOMPARE(bench.help.contexts, std::vector<int>{context});
        }
        const std::pair<QWidget*, std::pair<const char*, int>> pages[] = {
            {form.TabSheet1, {"button14", 1}},
            {form.TabSheet2, {"Button12", 2}},
            {form.Custom, {"SpeedButton3", 3}},
            {form.TabSheet5, {"Button17", 4}},
            {form.TabSheet12, {"mta", 5}}};
        for (const auto& [page, button] : pages) {
            form.PageControl101->setCurrentWidget(page);
            bench.help.contexts.clear();
            Item(form, "HelpForCurrentPage1")->trigger();
            Button(form, button.first)->click();
            QCOMPARE(bench.help.contexts, (std::vector<int>{button.second, button.second}));
        }
    }

    void everyHelpContextHasAPage() {
        for (const zendal::HelpPage& page : zendal::kHelpPages) {
            const QString path =
                zendal::HelpWindow::Folder() + "/" + zendal::HelpWindow::PageOf(page.context);
            QVERIFY2(QFile::exists(path), qPrintable(path));
        }
        QWidget owner;
        zendal::HelpWindow help(&owner);
        help.ShowContext(zendal::HelpContext::MetaTags);
        QVERIFY(help.Browser()->toPlainText().contains("Meta Tags Supported by Zendal"));
        help.ShowContext(zendal::HelpContext::CustomPage);
        QVERIFY(help.Browser()->source().toString().endsWith("custom-page.html"));
    }

    void startUpReadsTheDocumentAndTheStoredSchema() {
        Bench bench(messages_);
        bench.Store("schema", "basic");
        bench.Store("backup", "0");
        bench.form.FormCreate();
        QCOMPARE(messages_.Texts(), std::vector<std::string>{});
        QCOMPARE(bench.form.windowTitle(), QStringLiteral("Zendal - /site/page.html"));
        QCOMPARE(bench.form.Titlebox->text(), QStringLiteral("Garden tools"));
        QCOMPARE(bench.form.edit22->toPlainText(), QStringLiteral("spade, rake"));
        QCOMPARE(bench.form.scname->currentText(), QStringLiteral("basic"));
        QCOMPARE(bench.form.wizard().fields.grid1.size(), std::size_t(2));
        QCOMPARE(bench.form.wizard().fields.grid1[1].name, std::string("DC.creator"));
        QCOMPARE(bench.form.wizard().fields.grid1[1].value, std::string("Ann Gardener"));
        QVERIFY(!bench.form.CheckBox2->isChecked());
        QCOMPARE(bench.form.PageControl101->currentWidget(), bench.form.TabSheet1);
        QCOMPARE(bench.form.focusWidget(), bench.form.edit22);
        QCOMPARE(bench.Panel(StatusPort::StatePanel), std::string("Ready"));
    }

    void aMissingSchemaEndsTheStartUp() {
        Bench bench(messages_);
        bench.Store("schema", "gone");
        bench.form.FormCreate();
        QCOMPARE(messages_.Texts(),
                 std::vector<std::string>{"An Error has occurred, Zendal could not Start."});
        QVERIFY(std::find(bench.host.calls.begin(), bench.host.calls.end(), "Text") ==
                bench.host.calls.end());
        QCOMPARE(bench.form.Titlebox->text(), QString());
        QCOMPARE(bench.form.windowTitle(), QStringLiteral("Zendal - /site/page.html"));
    }

    void aMissingSettingsKeyKeepsTheBoxesAndIsNotWritten() {
        Bench bench(messages_);
        bench.form.FormCreate();
        QVERIFY(bench.settings.keys.count(kKey) == 1);
        QVERIFY(bench.form.CheckBox2->isChecked());
        QVERIFY(!bench.form.CheckBox4->isChecked());
        QCOMPARE(bench.form.wizard().ruleBase.bodychk, std::string());
        bench.form.close();
        QVERIFY(bench.settings.values.empty());
        QVERIFY(bench.form.wizard().host == nullptr);
    }

    void withoutAHostReadingSaysNoFile() {
        Bench bench(messages_);
        bench.form.wizard().host = nullptr;
        bench.form.FormCreate();
        QCOMPARE(messages_.Texts(), std::vector<std::string>{"Could not start HomeSite ."});
        messages_.shown.clear();
        Button(bench.form, "Button15")->click();
        QCOMPARE(messages_.Texts(), std::vector<std::string>{"No File Selected."});
    }

    void refreshPicksUpTheDocumentOpenedSince() {
        Bench bench(messages_);
        zendal::DocumentWindow document(std::string(), messages_);
        bench.form.wizard().host = &document;
        bench.form.FormCreate();
        QCOMPARE(messages_.Texts(), std::vector<std::string>{"Could not start HomeSite ."});
        messages_.shown.clear();
        const QString page = bench.dir.filePath(QStringLiteral("page.html"));
        QVERIFY(QFile::copy(QStringLiteral(ZENDAL_TEST_DATA_DIR "/app/page.html"), page));
        QVERIFY(document.Open(page.toStdString()));
        Button(bench.form, "SpeedButton2")->click();
        QCOMPARE(messages_.Texts(), std::vector<std::string>{"File Refreshed Successfully!"});
        QCOMPARE(bench.form.windowTitle(), QStringLiteral("Zendal - ") + page);
        QCOMPARE(bench.form.Titlebox->text(), QStringLiteral("Garden tools"));
    }

    void generateTagsPageShowsCopiesAndWritesTheTags() {
        Bench bench(messages_);
        bench.form.FormCreate();
        messages_.shown.clear();
        bench.form.Edit7->setText(QStringLiteral("Ann Example"));
        bench.form.PageControl101->setCurrentWidget(bench.form.TabSheet5);
        QVERIFY(bench.form.TagLines->toPlainText().contains("Ann Example"));
        Button(bench.form, "Button32")->click();
        QCOMPARE(bench.clipboard.texts.back(), bench.form.TagLines->toPlainText().toStdString());
        bench.form.CheckBox2->setChecked(false);
        Button(bench.form, "Button34")->click();
        QVERIFY(bench.host.text.find("Ann Example") != std::string::npos);
        QCOMPARE(messages_.Texts().back(), std::string("Successfully Wrote Tags To 1 Files"));
    }

    void spellCheckButtonsCheckTheirOwnField() {
        Bench bench(messages_);
        messages_.shown.clear();
        bench.form.edit22->clear();
        Button(bench.form, "SpeedButton4")->click();
        bench.form.edit1->clear();
        Button(bench.form, "SpeedButton5")->click();
        QCOMPARE(messages_.Texts(),
                 (std::vector<std::string>{zendal::SpellCheckButtons::kNoKeyWords,
                                           zendal::SpellCheckButtons::kNoDescription}));
    }

    void clearAllEmptiesItsPagesFields() {
        Bench bench(messages_);
        TForm1& form = bench.form;
        form.FormCreate();
        form.CheckBox1->setChecked(true);
        Button(form, "SpeedButton8")->click();
        QCOMPARE(form.edit22->toPlainText() + form.edit1->toPlainText() + form.Titlebox->text(),
                 QString());
        Button(form, "SpeedButton7")->click();
        for (QComboBox* box :
             {form.ComboBox1, form.ComboBox2, form.ComboBox3, form.ComboBox4, form.ComboBox5}) {
            QCOMPARE(box->currentText(), QString());
        }
        QCOMPARE(form.Edit2->text(), QString());
        QVERIFY(form.CheckBox1->isChecked());
    }

    void coldFusionMenuAsksTheHost() {
        Bench bench(messages_);
        Item(bench.form, "ShowActiveDocumentName1")->trigger();
        QCOMPARE(messages_.Texts(), std::vector<std::string>{"/site/page.html"});
        messages_.shown.clear();
        bench.host.failFileName = true;
        Item(bench.form, "ShowActiveDocumentName1")->trigger();
        QCOMPARE(messages_.Texts(),
                 std::vector<std::string>{"Could not get Active Document Name!"});
        messages_.shown.clear();
        bench.host.failToolbutton = true;
        Item(bench.form, "AddZendal1")->trigger();
        QCOMPARE(messages_.Texts(), std::vector<std::string>{"Could not Add Button to Menu!"});
    }

    void analysisRunsOverTheFieldsAsTyped() {
        Bench bench(messages_);
        TForm1& form = bench.form;
        const std::pair<const char*, const char*> rules[] = {
            {"keywords-r", "1"}, {"bodychk", "1000"}, {"keywords", "1000"}, {"description", "200"}};
        for (const auto& [name, value] : rules) {
            bench.Store(name, value);
        }
        form.FormCreate();
        form.PageControl101->setCurrentWidget(form.TabSheet2);
        form.edit22->setPlainText("garden, garden, tools");
        Item(form, "MetaTagAnalysis1")->trigger();
        QCOMPARE(form.PageControl101->currentWidget(), form.TabSheet12);
        auto* report = form.findChild<QPlainTextEdit*>("SubmitReady");
        QVERIFY(report->toPlainText().contains("garden"));
        Button(form, "SpeedButton16")->click();
        QCOMPARE(bench.clipboard.texts.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(bench.clipboard.texts[0]).contains("garden"));
    }

    void cleanup() { messages_.shown.clear(); }

  private:
    zendal::test::ScriptedMessagePort messages_;
};

QTEST_MAIN(TForm1Test)
#include "TForm1Test.moc"
