#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "base/Wizard.h"
#include "custom/ui/CustomGridModel.h"
#include "custom/ui/CustomPage.h"
#include "custom/ui/MetaGrid.h"
#include "support/RecordingHelpPort.h"
#include "support/RecordingStatusPort.h"
#include "support/ScriptedMessagePort.h"

using namespace zendal;

namespace {

using RecordingHelp = zendal::test::RecordingHelpPort;

struct ShownPage {
    explicit ShownPage(const QString& home) {
        wizard.programFolder = home.toStdString() + "/";
        wizard.help = &help;
        page = std::make_unique<CustomPage>(wizard);
        page->resize(900, 400);
        page->show();
        grid = page->findChild<MetaGrid*>("grid1");
        scname = page->findChild<QComboBox*>("scname");
    }
    QAbstractItemModel* Model() const { return grid->model(); }
    QString Cell(int row, int col) const { return Model()->index(row, col).data().toString(); }
    void Select(int row, int col) const { grid->setCurrentIndex(Model()->index(row, col)); }
    // The open editor; closed ones wait for their deletion.
    QPlainTextEdit* Editor() const {
        for (QPlainTextEdit* editor : grid->findChildren<QPlainTextEdit*>("grid1Editor")) {
            if (editor->isVisible()) {
                return editor;
            }
        }
        return nullptr;
    }
    // Types into the current cell as a user does: the first key opens the editor in place.
    void Type(const QString& text) const {
        QTest::keyClick(grid, text.at(0).toLatin1());
        if (text.size() > 1 && Editor() != nullptr) {
            QTest::keyClicks(Editor(), text.mid(1));
        }
    }
    void Enter() const {
        QTest::keyClick(Editor() != nullptr ? static_cast<QWidget*>(Editor()) : grid,
                        Qt::Key_Return);
    }
    QToolButton* Button(const char* name) const { return page->findChild<QToolButton*>(name); }

    test::ScriptedMessagePort messages;
    test::RecordingStatusPort status;
    RecordingHelp help;
    Wizard wizard{messages, status};
    std::unique_ptr<CustomPage> page;
    MetaGrid* grid = nullptr;
    QComboBox* scname = nullptr;
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// zendal-cli over the home folder; standard output, and the exit status in `status`.
QByteArray RunCli(const QString& home, const QStringList& args, int& status) {
    QProcess cli;
    cli.start(ZENDAL_CLI_PATH, QStringList{"--home", home} + args);
    cli.waitForFinished(30000);
    status = cli.exitCode();
    return cli.readAllStandardOutput();
}

}  // namespace

class CustomPageTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString home() const { return folder_->path(); }

  private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(home()).mkpath("schemas"));
    }

    void startsWithTheHeaderAndFourEmptyRowsAndItsControls() {
        ShownPage p(home());
        QVERIFY(p.grid != nullptr);
        QCOMPARE(p.Model()->columnCount(), 2);
        QCOMPARE(p.Model()->rowCount(), 4);
        QVERIFY(p.grid->horizontalHeader()->isVisible());
        QCOMPARE(p.grid->rowHeight(0), 18);
        QCOMPARE(p.grid->columnWidth(0), 64);
        QVERIFY(p.grid->horizontalHeader()->stretchLastSection());
        QVERIFY(p.grid->columnWidth(1) > 64);
        QVERIFY(p.grid->wordWrap());
        QCOMPARE(p.grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
        QCOMPARE(p.grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);

        QVERIFY(p.scname->isEditable());
        QCOMPARE(p.scname->toolTip(), QString("Select Schema with which to work"));
        struct Control {
            const char* name;
            const char* caption;
            const char* hint;
        };
        for (const Control& c : {Control{"SpeedButton6", "Delete", "Delete the Active Schema"},
                                 Control{"button38", "Save", "Save Current Schema"},
                                 Control{"SpeedButton14", "Read HTML", "Read From HTML"},
                                 Control{"SpeedButton10", "Next", "Continue to Step 3"},
                                 Control{"SpeedButton3", "Help", "Help"}}) {
            QToolButton* button = p.Button(c.name);
            QVERIFY2(button != nullptr, c.name);
            QCOMPARE(button->text(), QString(c.caption));
            QCOMPARE(button->toolTip(), QString(c.hint));
        }
        QCOMPARE(p.page->findChild<QCheckBox*>("CheckBox3")->text(), QString("Auto Si&ze"));
        QCOMPARE(p.page->findChild<QCheckBox*>("CheckBox3")->toolTip(),
                 QString("Auto Size Columns"));
        QCOMPARE(p.page->findChild<QCheckBox*>("CheckBox6")->text(), QString("&Protect Name"));
        QCOMPARE(p.page->findChild<QLabel*>("Label1")->text(), QString("Select Schema"));
        QVERIFY(p.page->findChild<QLabel*>("CustomInfo")
                    ->text()
                    .startsWith("\n\nYou can use this page to develop custom meta tag schemas"));

        p.Button("SpeedButton3")->click();
        QCOMPARE(p.help.contexts, std::vector<int>{3});
    }

    void enterMovesOnAndAddsARowPastTheLastCell() {
        ShownPage p(home());
        p.Select(0, 0);
        p.Type("author");
        p.Enter();
        QCOMPARE(p.grid->currentIndex(), p.Model()->index(0, 1));
        p.Type("Me");
        p.Enter();
        QCOMPARE(p.grid->currentIndex(), p.Model()->index(1, 0));
        QCOMPARE(p.wizard.fields.grid1[0], (CustomRow{"author", "Me"}));

        p.Select(3, 1);
        p.Enter();  // not editing: moves on all the same
        QCOMPARE(p.Model()->rowCount(), 5);
        QCOMPARE(p.grid->currentIndex(), p.Model()->index(4, 0));
        p.Type("x");
        p.Select(4, 1);
        p.Type("y");
        p.Enter();
        QCOMPARE(p.Model()->rowCount(), 6);
        QCOMPARE(p.wizard.fields.grid1.size(), std::size_t(6));
        QCOMPARE(p.wizard.fields.grid1[4], (CustomRow{"x", "y"}));
    }

    void aValueTypedOverTwoLinesKeepsItsLineBreak() {
        ShownPage p(home());
        p.Select(0, 1);
        p.Type("first");
        QTest::keyClick(p.Editor(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(p.Editor(), "second");
        p.Enter();
        QCOMPARE(p.wizard.fields.grid1[0].value, std::string("first\r\nsecond"));
        QCOMPARE(p.Cell(0, 1), QString("first\nsecond"));
    }

    void insertAddsARowAfterTheCurrentOneAndDeleteRemovesIt() {
        ShownPage p(home());
        p.wizard.fields.grid1 = {{"a", "1"}, {"b", "2"}};
        p.page->ShowSchema();
        p.Select(0, 1);
        QTest::keyClick(p.grid, Qt::Key_Insert);
        QCOMPARE(p.wizard.fields.grid1, (std::vector<CustomRow>{{"a", "1"}, {}, {"b", "2"}}));
        QCOMPARE(p.grid->currentIndex().row(), 1);

        p.Select(0, 0);
        QTest::keyClick(p.grid, Qt::Key_Delete);
        QCOMPARE(p.wizard.fields.grid1, (std::vector<CustomRow>{{}, {"b", "2"}}));
        QTest::keyClick(p.grid, Qt::Key_Delete);
        QCOMPARE(p.wizard.fields.grid1, (std::vector<CustomRow>{{"b", "2"}}));
        QTest::keyClick(p.grid, Qt::Key_Delete);  // the last entry row stays
        QCOMPARE(p.wizard.fields.grid1, (std::vector<CustomRow>{{"b", "2"}}));
    }

    void clipboardShortcutsWorkOnTheCurrentCell() {
        ShownPage p(home());
        p.wizard.fields.grid1[0] = {"keep", "two\r\nlines"};
        p.page->ShowSchema();
        p.Select(0, 1);
        QTest::keySequence(p.grid, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("two\nlines"));
        p.Select(2, 1);
        QTest::keySequence(p.grid, QKeySequence::Paste);
        QCOMPARE(p.wizard.fields.grid1[2].value, std::string("two\r\nlines"));
        p.Select(0, 0);
        QTest::keySequence(p.grid, QKeySequence::Cut);
        QCOMPARE(p.wizard.fields.grid1[0].name, std::string());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("keep"));
    }

    void protectNameKeepsNamesButNotValues() {
        ShownPage p(home());
        p.wizard.fields.grid1[0] = {"author", ""};
        p.page->ShowSchema();
        p.page->findChild<QCheckBox*>("CheckBox6")->click();
        QVERIFY(!p.page->grid1CanEditCell(1, 0));
        QVERIFY(p.page->grid1CanEditCell(1, 1));
        p.Select(0, 0);
        p.Type("x");
        QGuiApplication::clipboard()->setText("pasted");
        QTest::keySequence(p.grid, QKeySequence::Paste);
        QTest::keySequence(p.grid, QKeySequence::Cut);
        QCOMPARE(p.wizard.fields.grid1[0].name, std::string("author"));
        p.Select(0, 1);
        p.Type("Me");
        p.Enter();
        QCOMPARE(p.wizard.fields.grid1[0], (CustomRow{"author", "Me"}));

        p.page->findChild<QCheckBox*>("CheckBox6")->click();  // "0": names editable again
        QVERIFY(p.page->grid1CanEditCell(1, 0));
    }

    void autoSizeStopsStretchingTheLastColumn() {
        ShownPage p(home());
        QCheckBox* autoSize = p.page->findChild<QCheckBox*>("CheckBox3");
        autoSize->click();
        QVERIFY(!p.grid->horizontalHeader()->stretchLastSection());
        QCOMPARE(p.grid->horizontalHeader()->sectionResizeMode(1), QHeaderView::ResizeToContents);
        autoSize->click();
        QVERIFY(p.grid->horizontalHeader()->stretchLastSection());
        QCOMPARE(p.grid->horizontalHeader()->sectionResizeMode(1), QHeaderView::Interactive);
    }

    void pickingASchemaReplacesTheRows() {
        QFile file(folder_->filePath("schemas/dc.zds"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2,3\r\ncw 0,100\r\ncw 1,200\r\n0,0,Element\r\n0,1,dc.title\r\n0,2,dc.date\r\n");
        file.close();
        ShownPage p(home());
        p.wizard.fields.grid1 = std::vector<CustomRow>(6, CustomRow{"old", "row"});
        p.wizard.schemaList = {"dc", "missing"};
        p.page->ShowSchema();
        QCOMPARE(p.scname->count(), 2);

        emit p.scname->activated(0);
        QCOMPARE(p.Model()->rowCount(), 2);
        QCOMPARE(p.Cell(0, 0), QString("dc.title"));
        QCOMPARE(p.Cell(1, 1), QString());
        QCOMPARE(p.Model()->headerData(0, Qt::Horizontal).toString(), QString("Element"));
        QCOMPARE(p.grid->columnWidth(0), 100);

        emit p.scname->activated(1);
        QCOMPARE(p.messages.Texts(), std::vector<std::string>{"File " + p.wizard.programFolder +
                                                              "schemas/missing.zds not found"});
        QCOMPARE(p.messages.shown[0].box, MessagePort::Box::Error);
        QCOMPARE(p.Model()->rowCount(), 2);
        QCOMPARE(p.Cell(0, 0), QString());
    }

    void aSchemaSavedHereShowsInTheCliAndBack() {
        ShownPage p(home());
        p.scname->setEditText("round trip");
        p.Select(0, 0);
        p.Type("subject");
        p.Enter();
        p.Type("a, b");
        QTest::keyClick(p.Editor(), Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(p.Editor(), "c");
        p.Enter();
        p.Select(2, 0);
        p.Type("audience");  // still being edited when Save is clicked
        p.Button("button38")->click();
        QCOMPARE(p.messages.Texts(),
                 std::vector<std::string>{"Schema: round trip Saved successfully"});
        // The blank row between was removed; the last row stays.
        QCOMPARE(p.Model()->rowCount(), 3);
        QCOMPARE(p.scname->count(), 1);
        QCOMPARE(p.scname->currentText(), QString("round trip"));
        const int valueWidth = p.grid->columnWidth(1);
        QByteArray saved = ReadAll(folder_->filePath("schemas/round trip.zds"));
        QVERIFY(saved.contains("1,1,a, b\t\bc\r\n"));

        int status = -1;
        QJsonObject shown =
            QJsonDocument::fromJson(RunCli(home(), {"schema", "show", "round trip"}, status))
                .object();
        QCOMPARE(status, 0);
        QCOMPARE(shown["cols"].toInt(), 2);
        QCOMPARE(shown["rows"].toInt(), 4);
        QCOMPARE(shown["widths"].toArray(), (QJsonArray{64, valueWidth}));
        QCOMPARE(shown["cells"].toArray(),
                 (QJsonArray{QJsonArray{0, 1, "subject"}, QJsonArray{1, 1, "a, b\r\nc"},
                             QJsonArray{0, 2, "audience"}}));

        RunCli(home(),
               {"schema", "save", "from cli", "--custom", "dc.title=Zendal, the tagger", "--custom",
                "dc.creator="},
               status);
        QCOMPARE(status, 0);
        p.wizard.schemaList = {"from cli"};
        p.page->ShowSchema();
        emit p.scname->activated(0);
        QCOMPARE(
            p.wizard.fields.grid1,
            (std::vector<CustomRow>{{"dc.title", "Zendal, the tagger"}, {"dc.creator", ""}, {}}));
        QCOMPARE(p.Cell(0, 1), QString("Zendal, the tagger"));
    }

    void deleteAsksAndEmptiesTheSelector() {
        QFile file(folder_->filePath("schemas/old.zds"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2,2\r\n");
        file.close();
        ShownPage p(home());
        p.wizard.fields.grid1[0] = {"author", "Me"};
        p.page->ShowSchema();
        p.scname->setEditText("old");
        p.messages.answers = {false};
        p.Button("SpeedButton6")->click();
        QVERIFY(QFile::exists(folder_->filePath("schemas/old.zds")));
        QCOMPARE(p.scname->currentText(), QString("old"));
        p.Button("SpeedButton6")->click();
        QVERIFY(!QFile::exists(folder_->filePath("schemas/old.zds")));
        QCOMPARE(p.messages.questions.size(), std::size_t(2));
        QCOMPARE(p.scname->currentText(), QString());
        QCOMPARE(p.scname->count(), 0);
        QCOMPARE(p.Cell(0, 0), QString("author"));
    }
};

QTEST_MAIN(CustomPageTest)
#include "CustomPageTest.moc"
