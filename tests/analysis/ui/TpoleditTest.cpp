#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "analysis/ui/Tpoledit.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingHelpPort.h"
#include "support/ScriptedMessagePort.h"

using namespace zendal;

using RecordingHelp = zendal::test::RecordingHelpPort;

class TpoleditTest : public QObject {
    Q_OBJECT

  private:
    test::MemorySettingsStore StoredZeros() {
        test::MemorySettingsStore store;
        for (const char* name : {"keywords-r", "bodychk", "keywords", "description"}) {
            store.values[{RuleBase::kKey, name}] = "0";
        }
        return store;
    }

  private slots:
    void showsDefaultsForZeroAndKeepsTypedText() {
        test::MemorySettingsStore store = StoredZeros();
        test::ScriptedMessagePort messages;
        Tpoledit window(store, messages, nullptr);
        auto* edit1 = window.findChild<QLineEdit*>("Edit1");
        QVERIFY(edit1);
        QCOMPARE(edit1->text(), QString("6"));
        QCOMPARE(window.findChild<QLineEdit*>("Edit2")->text(), QString("1000"));
        QCOMPARE(window.findChild<QLineEdit*>("Edit3")->text(), QString("1000"));
        QCOMPARE(window.findChild<QLineEdit*>("Edit4")->text(), QString("200"));

        // Typed, closed without Update: nothing stored, the text stays for the next opening.
        edit1->setText("9");
        window.findChild<QPushButton*>("Button1")->click();
        QCOMPARE(store.values.at({RuleBase::kKey, "keywords-r"}), std::string("0"));
        QCOMPARE(edit1->text(), QString("9"));
    }

    void updateStoresTheBoxesAndSaysSo() {
        test::MemorySettingsStore store = StoredZeros();
        test::ScriptedMessagePort messages;
        RecordingHelp help;
        Tpoledit window(store, messages, &help);
        window.findChild<QLineEdit*>("Edit1")->setText("12");
        window.findChild<QLineEdit*>("Edit2")->clear();
        QPushButton* update = window.findChild<QPushButton*>("Button2");
        QCOMPARE(update->text(), QString("&Update"));
        QCOMPARE(update->toolTip(), QString("Update The Meta Tag Analysis Settings"));
        update->click();
        QCOMPARE(store.values.at({RuleBase::kKey, "keywords-r"}), std::string("12"));
        QCOMPARE(store.values.at({RuleBase::kKey, "bodychk"}), std::string("0"));
        QCOMPARE(messages.Texts(), std::vector<std::string>{"Default Values Updated!"});

        window.findChild<QPushButton*>("Button3")->click();
        QCOMPARE(help.contexts, std::vector<int>{20});
    }

    void updateHasTheFocusWhenOpened() {
        test::MemorySettingsStore store = StoredZeros();
        test::ScriptedMessagePort messages;
        Tpoledit window(store, messages, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.focusWidget(), window.findChild<QPushButton*>("Button2"));
    }
};

QTEST_MAIN(TpoleditTest)
#include "TpoleditTest.moc"
