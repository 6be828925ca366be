#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>
#include <iterator>

#include "keywords/KeyWordGenerator.h"
#include "keywords/NoiseWordFile.h"
#include "keywords/ui/QtRunProgress.h"
#include "keywords/ui/TKWGenForm.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingHelpPort.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

using namespace zendal;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

using RecordingHelp = zendal::test::RecordingHelpPort;

// A generator over a temporary program folder after one run on a page.
struct Fixture {
    explicit Fixture(const std::string& body)
        : generator(dir.path().toStdString() + "/", messages, status, &settings, &help) {
        settings.values[{KeyWordGenerator::kSettingsKey, KeyWordGenerator::kTopCountValue}] = "25";
        WriteFile(generator.NoiseWordFileName(), "the\r\n");
        generator.FormCreate();
        generator.SetBodyCheckLimit(5000);
        page = dir.path().toStdString() + "/page.html";
        WriteFile(page, "<body>" + body + "</body>");
        generator.Run(page);
    }

    QTemporaryDir dir;
    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    test::MemorySettingsStore settings;
    RecordingHelp help;
    KeyWordGenerator generator;
    std::string page;
};

QStringList Column(QTreeWidget* list, int column) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        texts << list->topLevelItem(i)->text(column);
    }
    return texts;
}

}  // namespace

class TKWGenFormTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void showsTheListWithThreeColumns() {
        Fixture f("the cat the dog cat cat bird");
        TKWGenForm window(f.generator);
        auto* list = window.findChild<QTreeWidget*>("ListView1");
        QVERIFY(list);
        QCOMPARE(list->headerItem()->text(0), QString("Word"));
        QCOMPARE(list->headerItem()->text(1), QString("Occurences"));
        QCOMPARE(list->headerItem()->text(2), QString("% of Total Words"));
        QCOMPARE(Column(list, 0), (QStringList{"cat", "dog", "bird"}));
        QCOMPARE(Column(list, 1), (QStringList{"3", "1", "1"}));
        QCOMPARE(Column(list, 2), (QStringList{"60.000", "20.000", "20.000"}));
        QCOMPARE(list->topLevelItem(0)->checkState(0), Qt::Unchecked);
        for (int column : {1, 2}) {
            QVERIFY(list->topLevelItem(0)->textAlignment(column) & Qt::AlignRight);
            QVERIFY(list->headerItem()->textAlignment(column) & Qt::AlignRight);
        }
        QVERIFY(list->header()->sectionsClickable());
        QCOMPARE(list->header()->sortIndicatorSection(), 1);
        QCOMPARE(list->header()->sortIndicatorOrder(), Qt::DescendingOrder);

        auto* pages = window.findChild<QTabWidget*>("PageControl1");
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(pages->tabText(0), QString("Key Words"));
        QCOMPARE(pages->tabText(1), QString("Setup"));
        const std::vector<std::pair<const char*, const char*>> hints = {
            {"SpeedButton1", "Add the checked words to the keywords tag"},
            {"SpeedButton3", "Add the checked words to the Noise Words List"},
            {"SpeedButton2", "Refresh the List of Words from the file"},
        };
        for (const auto& [name, hint] : hints) {
            QCOMPARE(window.findChild<QPushButton*>(name)->toolTip(), QString(hint));
        }
        QCOMPARE(window.findChild<QPushButton*>("SpeedButton4")->text(),
                 QString("Load Noise Words"));
        QCOMPARE(window.findChild<QPushButton*>("SpeedButton5")->text(),
                 QString("Save Noise Words"));
        QVERIFY(window.findChild<QPushButton*>("Button1")->isDefault());
        QCOMPARE(window.findChild<QPushButton*>("Button2")->text(), QString("&Help"));

        window.show();
        QCOMPARE(window.windowTitle(),
                 QString::fromStdString("Zendal Key word Generator - " + f.page));
        QCOMPARE(window.findChild<QGroupBox*>("GroupBox1")->title(),
                 QString("These are the top 25 word occurences in the active file"));
        QVERIFY(f.messages.shown.empty());
    }

    void headersAreNeverCutOff() {
        Fixture f("cat cat dog");
        TKWGenForm window(f.generator);
        window.show();
        auto* list = window.findChild<QTreeWidget*>("ListView1");
        QHeaderView* header = list->header();
        const int widths[] = {223, 70, 95};
        for (const QSize size : {QSize(1, 1), window.minimumSizeHint(), QSize(1400, 900)}) {
            window.resize(size);
            QCoreApplication::processEvents();
            QVERIFY(window.width() >= window.minimumSizeHint().width());
            for (int column = 0; column < 3; ++column) {
                QVERIFY2(list->columnWidth(column) >= header->sectionSizeHint(column),
                         qPrintable(QString("column %1 at %2x%3")
                                        .arg(column)
                                        .arg(size.width())
                                        .arg(size.height())));
                QVERIFY(list->columnWidth(column) >= widths[column]);
            }
            int used = 0;
            for (int column = 0; column < 3; ++column) {
                used += list->columnWidth(column);
            }
            QVERIFY(used <= list->viewport()->width());
        }
    }

    void sortsByAnyColumn() {
        Fixture f("pear pear apple fig fig fig Banana banana");
        TKWGenForm window(f.generator);
        auto* list = window.findChild<QTreeWidget*>("ListView1");
        const QStringList generatorOrder = {"fig", "pear", "Banana", "apple"};
        QCOMPARE(Column(list, 0), generatorOrder);
        list->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(Column(list, 0), (QStringList{"apple", "Banana", "fig", "pear"}));
        list->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(Column(list, 0), (QStringList{"apple", "Banana", "pear", "fig"}));
        list->sortByColumn(2, Qt::DescendingOrder);
        QCOMPARE(Column(list, 0), generatorOrder);

        // The checks reach the words checked, whatever the order shown; the order stays.
        list->sortByColumn(0, Qt::DescendingOrder);
        QCOMPARE(Column(list, 0), (QStringList{"pear", "fig", "Banana", "apple"}));
        list->topLevelItem(0)->setCheckState(0, Qt::Checked);
        list->topLevelItem(3)->setCheckState(0, Qt::Checked);
        window.findChild<QPushButton*>("SpeedButton1")->click();
        QCOMPARE(f.generator.ChosenKeyWords(), (std::vector<std::string>{"pear", "apple"}));
        QCOMPARE(Column(list, 0), (QStringList{"fig", "Banana"}));
    }

    void progressShowsAndEscapeCancels() {
        QWidget owner;
        QtRunProgress progress(&owner, 0);
        QVERIFY(progress.Advance(1, 4));
        auto* dialog = owner.findChild<QProgressDialog*>("KeyWordProgress");
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->value(), 250);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!progress.Advance(2, 4));
        progress.Finish();
        QVERIFY(owner.findChild<QProgressDialog*>("KeyWordProgress") == nullptr);
        // A new run starts uncancelled; a short one shows nothing.
        QtRunProgress quick(&owner);
        QVERIFY(quick.Advance(1, 2));
        QVERIFY(quick.Advance(2, 2));
        QVERIFY(owner.findChild<QProgressDialog*>("KeyWordProgress") == nullptr);
    }

    void checkedWordsLeaveTheList() {
        Fixture f("cat cat dog bird");
        TKWGenForm window(f.generator);
        auto* list = window.findChild<QTreeWidget*>("ListView1");
        list->topLevelItem(0)->setCheckState(0, Qt::Checked);
        window.findChild<QPushButton*>("SpeedButton1")->click();
        QCOMPARE(Column(list, 0), (QStringList{"dog", "bird"}));
        QCOMPARE(f.generator.ChosenKeyWords(), std::vector<std::string>{"cat"});

        list->topLevelItem(1)->setCheckState(0, Qt::Checked);
        window.findChild<QPushButton*>("SpeedButton3")->click();
        QCOMPARE(Column(list, 0), (QStringList{"dog"}));
        QCOMPARE(ReadFile(f.generator.NoiseWordFileName()), std::string("the\r\nbird\r\n"));
        QCOMPARE(f.messages.Texts(),
                 (std::vector<std::string>{"Key Words words were added to the keywords tag",
                                           "Words were added to the Noise Words list."}));

        window.findChild<QPushButton*>("SpeedButton2")->click();
        QCOMPARE(Column(list, 0), (QStringList{"dog"}));
    }

    void setupPageTopCountAndClose() {
        Fixture f("a b c");
        TKWGenForm window(f.generator);
        auto* spin = window.findChild<QSpinBox*>("Edit1");
        QVERIFY(spin);
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), 300);
        QCOMPARE(spin->value(), 25);
        spin->setValue(2);
        QCOMPARE(window.findChild<QGroupBox*>("GroupBox1")->title(),
                 QString("These are the top 2 word occurences in the active file"));
        auto* list = window.findChild<QTreeWidget*>("ListView1");
        QCOMPARE(list->topLevelItemCount(), 3);  // applied by Refresh List only
        window.findChild<QPushButton*>("SpeedButton2")->click();
        QCOMPARE(list->topLevelItemCount(), 2);

        window.findChild<QPushButton*>("Button2")->click();
        QCOMPARE(f.help.contexts, std::vector<int>{17});
        window.findChild<QPushButton*>("Button1")->click();
        QCOMPARE(
            (f.settings.values[{KeyWordGenerator::kSettingsKey, KeyWordGenerator::kTopCountValue}]),
            std::string("2"));
    }

    void noiseWordsMemo() {
        Fixture f("x");
        TKWGenForm window(f.generator);
        auto* memo = window.findChild<QPlainTextEdit*>("nwMemo");
        QVERIFY(memo);
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(memo->toPlainText(), QString());
        window.findChild<QPushButton*>("SpeedButton4")->click();
        QCOMPARE(memo->toPlainText(), QString("the\n"));
        QVERIFY(f.messages.questions.empty());

        memo->setPlainText("a\nb");
        memo->document()->setModified(true);
        f.messages.answers = {false};
        window.findChild<QPushButton*>("SpeedButton4")->click();
        QCOMPARE(memo->toPlainText(), QString("a\nb"));
        QCOMPARE(f.messages.questions.size(), std::size_t{1});

        window.findChild<QPushButton*>("SpeedButton5")->click();
        QVERIFY(!memo->document()->isModified());
        QCOMPARE(ReadFile(f.generator.NoiseWordFileName()), std::string("a\r\nb\r\n"));
    }

    void emptyListSaysSoWhenShown() {
        Fixture f("the");
        TKWGenForm window(f.generator);
        window.show();
        QCOMPARE(f.messages.Texts(), std::vector<std::string>{KeyWordGenerator::kNoUniqueWords});
    }
};

QTEST_MAIN(TKWGenFormTest)
#include "TKWGenFormTest.moc"
