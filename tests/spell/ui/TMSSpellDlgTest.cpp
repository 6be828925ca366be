#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "app/ui/TForm1.h"
#include "base/HelpPort.h"
#include "spell/TDCTCompiler.h"
#include "spell/ui/QtSpellChecker.h"
#include "spell/ui/TEnterEdit.h"
#include "spell/ui/TMSSpellDlg.h"
#include "support/RecordingHelpPort.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

using zendal::QtSpellChecker;
using zendal::TMSSpellDlg;

namespace {

// A window with the two memos, as the main window holds them.
struct Window {
    QWidget widget;
    QPlainTextEdit* edit22 = new QPlainTextEdit(&widget);
    QPlainTextEdit* edit1 = new QPlainTextEdit(&widget);
    Window() {
        edit22->setObjectName("edit22");
        edit1->setObjectName("edit1");
        auto* layout = new QVBoxLayout(&widget);
        layout->addWidget(edit22);
        layout->addWidget(edit1);
    }
};

}  // namespace

class TMSSpellDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        zendal::TDCTCompiler compiler;
        std::string dct = compiler.Compile(
            {"the", "they", "dog", "dogs", "dictionary", "dict", "dictate", "meta", "in"});
        QFile file(home_.filePath("zendal.dct"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(dct.data(), static_cast<qint64>(dct.size()));
        file.close();
        QFile autofix(home_.filePath("autofix.txt"));
        QVERIFY(autofix.open(QIODevice::WriteOnly));
        autofix.close();
        window_ = std::make_unique<Window>();
        folder_ = home_.path().toStdString() + "/";
        checker_ = std::make_unique<QtSpellChecker>(&window_->widget, messages_, folder_);
        window_->widget.show();
    }
    void cleanup() {
        checker_.reset();
        window_.reset();
        messages_.shown.clear();
    }

    void controlsCaptionsAndTabOrder() {
        TMSSpellDlg& dialog = checker_->dialog();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Spelling"));
        QCOMPARE(dialog.size(), QSize(512, 242));
        QVERIFY(!dialog.isModal());
        const std::pair<const char*, const char*> captions[] = {
            {"btnSkip", "&Ignore"},
            {"btnSkipAll", "I&gnore All"},
            {"btnReplace", "&Change"},
            {"btnReplaceAll", "C&hange All"},
            {"btnAdd", "&Add"},
            {"btnSuggest", "&Suggest"},
            {"btnClose", "Cancel"},
            {"btnHelp", "Help"},
            {"btnAutoCorrect", "AutoCorrect"},
            {"btnOptions", "&Options"},
            {"btnUndo", "&Undo Last"},
            {"btnA", "á"},
            {"btnE", "é"},
            {"btnI", "í"},
            {"btnO", "ó"},
            {"btnU", "ú"},
            {"btnN", "ñ"},
            {"btnN2", "Ñ"},
        };
        for (const auto& [name, caption] : captions) {
            auto* button = dialog.findChild<QPushButton*>(name);
            QVERIFY2(button, name);
            QCOMPARE(button->text(), QString::fromUtf8(caption));
            // Help stays disabled until a help viewer is given (see helpButton).
            bool disabled = QByteArray(name) == "btnAutoCorrect" ||
                            QByteArray(name) == "btnOptions" || QByteArray(name) == "btnUndo" ||
                            QByteArray(name) == "btnHelp";
            QCOMPARE(button->isEnabled(), !disabled);
        }
        QCOMPARE(dialog.findChild<QLabel*>("lblReplace")->text(), QStringLiteral("Change &To:"));
        QCOMPARE(dialog.findChild<QLabel*>("lblSuggestions")->text(),
                 QStringLiteral("Suggestio&ns:"));
        QVERIFY(dialog.findChild<QLineEdit*>("edtCurWord")->isReadOnly());
        // The list sits one pixel below the accent row and is shorter by its height.
        QWidget* icons = dialog.findChild<QWidget*>("pnlIcons");
        QListWidget* list = dialog.findChild<QListWidget*>("lstSuggest");
        QCOMPARE(list->geometry().top(), icons->geometry().bottom() + 2);
        QCOMPARE(list->height(), 137 - 23);

        QStringList order;
        QWidget* w = dialog.edtCurWord;
        do {
            if (w->focusPolicy() & Qt::TabFocus) {
                order << w->objectName();
            }
            w = w->nextInFocusChain();
        } while (w != dialog.edtCurWord);
        QCOMPARE(order, QStringList({"edtCurWord", "edtWord", "lstSuggest", "btnSkip", "btnSkipAll",
                                     "btnReplace", "btnReplaceAll", "btnAdd", "btnSuggest",
                                     "btnClose", "btnHelp", "cmbDictionary"}));
    }

    void helpButtonOpensTheDialogsHelpContext() {
        zendal::test::RecordingHelpPort help;
        TMSSpellDlg& dialog = checker_->dialog();
        auto* button = dialog.findChild<QPushButton*>("btnHelp");
        dialog.SetHelp(&help);
        QVERIFY(button->isEnabled());
        button->click();
        QCOMPARE(help.contexts, std::vector<int>{0});
        dialog.SetHelp(nullptr);
        QVERIFY(!button->isEnabled());
    }

    void aRunDrivenByTheButtons() {
        TMSSpellDlg& dialog = checker_->dialog();
        window_->edit22->setPlainText("teh dogg, metta");
        window_->edit22->document()->setModified(false);
        checker_->SpeedButton4Click(window_->edit22);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.lblFound->text(), QStringLiteral("Not found:"));
        QCOMPARE(dialog.edtCurWord->text(), QStringLiteral("teh"));
        QVERIFY(dialog.lstSuggest->count() > 0);
        QCOMPARE(dialog.edtWord->text(), dialog.lstSuggest->item(0)->text());
        QCOMPARE(window_->edit22->textCursor().selectedText(), QStringLiteral("teh"));

        // The main window stays usable; a second run is refused.
        window_->edit1->setPlainText("dogg");
        checker_->SpeedButton5Click(window_->edit1);
        QCOMPARE(dialog.edtCurWord->text(), QStringLiteral("teh"));

        dialog.edtWord->setText("the");
        QTest::mouseClick(dialog.btnReplace, Qt::LeftButton);
        QCOMPARE(window_->edit22->toPlainText(), QStringLiteral("the dogg, metta"));
        QCOMPARE(dialog.edtCurWord->text(), QStringLiteral("dogg"));

        // Typing lists the completions; clearing the box empties the list.
        dialog.edtWord->clear();
        QTest::keyClicks(dialog.edtWord, "dic");
        QCOMPARE(dialog.lstSuggest->count(), 3);
        dialog.edtWord->selectAll();
        QTest::keyClick(dialog.edtWord, Qt::Key_Backspace);
        QCOMPARE(dialog.lstSuggest->count(), 0);

        // An accent button inserts at the caret.
        dialog.edtWord->setText("dg");
        dialog.edtWord->setCursorPosition(1);
        QTest::mouseClick(dialog.btnO, Qt::LeftButton);
        QCOMPARE(dialog.edtWord->text(), QString::fromUtf8("dóg"));
        // Ctrl+Down turns the box into capitals; Enter moves on.
        QTest::keyClick(dialog.edtWord, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(dialog.edtWord->text(), QString::fromUtf8("DÓG"));

        QTest::mouseClick(dialog.btnSuggest, Qt::LeftButton);
        dialog.edtWord->setText("dogg");
        QTest::mouseClick(dialog.btnSuggest, Qt::LeftButton);
        QCOMPARE(dialog.lstSuggest->item(0)->text(), QStringLiteral("dog"));
        dialog.lstSuggest->setCurrentRow(0);
        QCOMPARE(dialog.edtWord->text(), QStringLiteral("dog"));
        dialog.edtWord->setText("dogs");
        QListWidgetItem* first = dialog.lstSuggest->item(0);
        QPoint at = dialog.lstSuggest->visualItemRect(first).center();
        QTest::mouseClick(dialog.lstSuggest->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog.edtWord->text(), first->text());
        QTest::mouseDClick(dialog.lstSuggest->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(window_->edit22->toPlainText(), QStringLiteral("the dog, metta"));
        QCOMPARE(dialog.edtCurWord->text(), QStringLiteral("metta"));

        QTest::keyClick(&dialog, Qt::Key_Escape);  // Cancel
        QVERIFY(!dialog.isVisible());
        QVERIFY(!checker_->speller().Running());
        QCOMPARE(window_->edit22->toPlainText(), QStringLiteral("the dog, metta"));
        QVERIFY(window_->edit22->document()->isModified());
        QVERIFY(messages_.shown.empty());

        // Closing the window counts as Cancel.
        checker_->SpeedButton5Click(window_->edit1);
        QVERIFY(checker_->speller().Running());
        dialog.close();
        QVERIFY(!checker_->speller().Running());
    }

    // The dialog shows the dictionary of the page's language and switches to the one picked.
    void dictionaryOfThePageAndTheUsersPick() {
        zendal::TDCTCompiler compiler;
        std::string dct = compiler.Compile({"das", "haus", "ist"});
        QFile file(home_.filePath("zendal-de.dct"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(dct.data(), static_cast<qint64>(dct.size()));
        file.close();
        zendal::test::RecordingStatusPort status;
        std::string language = "de";
        checker_->SetWindowState([&language] { return language; }, nullptr, &status);

        TMSSpellDlg& dialog = checker_->dialog();
        window_->edit22->setPlainText("das haus dogg");
        checker_->SpeedButton4Click(window_->edit22);
        QCOMPARE(dialog.edtCurWord->text(), QStringLiteral("dogg"));
        QCOMPARE(dialog.cmbDictionary->currentText(), QStringLiteral("de"));
        QCOMPARE(dialog.cmbDictionary->itemText(0), QStringLiteral("en-us"));
        QCOMPARE(dialog.findChild<QLabel*>("lblDictionary")->text(),
                 QStringLiteral("&Dictionary:"));
        // en-us is the first entry, just above de: dogg gets English suggestions.
        dialog.cmbDictionary->setFocus();
        while (dialog.cmbDictionary->currentIndex() > 0) {
            QTest::keyClick(dialog.cmbDictionary, Qt::Key_Up);
        }
        QCOMPARE(checker_->speller().Language(), std::string("en-us"));
        QCOMPARE(dialog.edtCurWord->text(), QStringLiteral("dogg"));
        QCOMPARE(dialog.lstSuggest->item(0)->text(), QStringLiteral("dog"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(status.panels[zendal::StatusPort::MessagePanel].empty());

        // A page in a language without a dictionary: en-us, with the note.
        language = "xx";
        checker_->SpeedButton4Click(window_->edit22);
        QCOMPARE(dialog.cmbDictionary->currentText(), QStringLiteral("en-us"));
        QCOMPARE(status.panels[zendal::StatusPort::MessagePanel],
                 std::string("No spelling dictionary for xx: checking with en-us"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    }

    void emptyMemosGetTheirMessages() {
        checker_->SpeedButton4Click(window_->edit22);
        checker_->SpeedButton5Click(window_->edit1);
        QCOMPARE(messages_.Texts(),
                 (std::vector<std::string>{
                     "There are no words to perform the spell check on (Key Words)!",
                     "There are no words to perform the spell check on, (Description)!"}));
        QVERIFY(!checker_->dialog().isVisible());
    }

    // With ZENDAL_SCREENSHOT set (a PNG path), shows the dialog over the main window and saves
    // the screen; for looking at the dialog under Xvfb.
    void screenshot() {
        QByteArray path = qgetenv("ZENDAL_SCREENSHOT");
        if (path.isEmpty()) {
            QSKIP("ZENDAL_SCREENSHOT is not set");
        }
        zendal::TForm1 form(&messages_);
        form.resize(800, 600);
        form.move(0, 0);
        form.show();
        QtSpellChecker checker(&form, messages_, folder_);
        form.edit22->setPlainText("web, meta, dictionery, teh");
        checker_.reset();  // one dictionary at a time
        checker.SpeedButton4Click(form.edit22);
        QTest::qWait(500);
        QScreen* screen = form.screen();
        QVERIFY(screen->grabWindow(0).save(QString::fromLocal8Bit(path)));
        checker.dialog().grab().save(QString::fromLocal8Bit(path) + ".dialog.png");
        checker.speller().Answer(2);
    }

  private:
    QTemporaryDir home_;
    std::string folder_;
    zendal::test::ScriptedMessagePort messages_;
    std::unique_ptr<Window> window_;
    std::unique_ptr<QtSpellChecker> checker_;
};

QTEST_MAIN(TMSSpellDlgTest)
#include "TMSSpellDlgTest.moc"
