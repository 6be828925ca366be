#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/IniSettingsStore.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/TForm1.h"
#include "support/MemoryHost.h"
#include "support/ScriptedMessagePort.h"

using zendal::TForm1;

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
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html>\n</html>\n");
        file.close();
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

    void cleanup() { messages_.shown.clear(); }

  private:
    zendal::test::ScriptedMessagePort messages_;
};

QTEST_MAIN(TForm1Test)
#include "TForm1Test.moc"
