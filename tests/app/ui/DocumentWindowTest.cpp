#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "app/ui/DocumentWindow.h"
#include "base/EHostFailure.h"
#include "support/ScriptedMessagePort.h"

using zendal::DocumentWindow;

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

}  // namespace

class DocumentWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("page.html"));
    }

    void showsTheTextAndHandsItOverWithCRLF() {
        // Windows-1252 with LF breaks and a no-break space.
        WriteBytes(path_,
                   "<html>\n<head><title>Caf\xE9\xA0"
                   "bar</title></head>\n</html>\n");
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(path_.toStdString(), messages);
        QCOMPARE(window.windowTitle(), QStringLiteral("page.html - Zendal"));
        QVERIFY(!window.IsModified());
        QCOMPARE(window.FILENAME(), path_.toStdString());
        QCOMPARE(window.Text(), std::string("<html>\r\n<head><title>Caf\xC3\xA9\xC2\xA0"
                                            "bar</title></head>\r\n</html>\r\n"));
    }

    void marksChangesAndSavesWithCtrlS() {
        const QByteArray original = "<html>\n<head></head>\n<p>Caf\xE9</p>\n</html>\n";
        WriteBytes(path_, original);
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(path_.toStdString(), messages);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        window.editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(window.editor(), QStringLiteral("<!-- "));
        window.editor()->insertPlainText(QString::fromUtf8("\u00E9t\u00E9 \u2014 x -->"));
        QVERIFY(window.IsModified());
        QCOMPARE(window.windowTitle(), QStringLiteral("*page.html - Zendal"));
        QCOMPARE(ReadBytes(path_), original);

        QTest::keyClick(window.editor(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!window.IsModified());
        QCOMPARE(window.windowTitle(), QStringLiteral("page.html - Zendal"));
        // Saved as it was read: Windows-1252 and LF.
        QCOMPARE(ReadBytes(path_), original + "<!-- \xE9t\xE9 \x97 x -->");
        QVERIFY(messages.shown.empty());
    }

    void unchangedDocumentSavesBackByteForByte() {
        const QByteArray mixed = "<html>\r\n<head>\n</head>\r<body>\xC3\xA9</body>";
        WriteBytes(path_, mixed);
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(path_.toStdString(), messages);
        QVERIFY(window.Save());
        QCOMPARE(ReadBytes(path_), mixed);
    }

    void hostUpdateReplacesTheText() {
        WriteBytes(path_, "<html>\r\n<head></head>\r\n</html>\r\n");
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(path_.toStdString(), messages);
        window.beginupdate();
        window.SelectAll();
        window.InsertText("<html>\r\n<head>\r\n<title>New</title>\r\n</head>\r\n</html>\r\n", true);
        window.endupdate();
        QVERIFY(window.IsModified());
        QCOMPARE(window.Text(), std::string("<html>\r\n<head>\r\n<title>New</title>\r\n</head>\r\n"
                                            "</html>\r\n"));
        // One step to undo.
        window.editor()->undo();
        QCOMPARE(window.Text(), std::string("<html>\r\n<head></head>\r\n</html>\r\n"));
    }

    void closingUnsavedWorkAsksFirst() {
        WriteBytes(path_, "<html>\n");
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(path_.toStdString(), messages);
        window.show();
        QStringList asked;
        DocumentWindow::CloseAnswer answer = DocumentWindow::CloseAnswer::Cancel;
        window.askToSave = [&](const QString& name) {
            asked << name;
            return answer;
        };
        QVERIFY(window.close());  // nothing to ask about
        QVERIFY(asked.isEmpty());
        QVERIFY_THROWS_EXCEPTION(zendal::EHostFailure, window.Text());

        DocumentWindow changed(path_.toStdString(), messages);
        changed.askToSave = window.askToSave;
        changed.show();
        changed.editor()->insertPlainText(QStringLiteral("x"));
        QVERIFY(!changed.close());
        QCOMPARE(asked, QStringList{QStringLiteral("page.html")});
        QCOMPARE(changed.Text(), std::string("x<html>\r\n"));

        answer = DocumentWindow::CloseAnswer::Save;
        QVERIFY(changed.close());
        QCOMPARE(ReadBytes(path_), QByteArray("x<html>\n"));
    }

    void failedSaveKeepsTheWindowOpen() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.html"));
        WriteBytes(path, "<html>\n");
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(path.toStdString(), messages);
        window.show();
        window.askToSave = [](const QString&) { return DocumentWindow::CloseAnswer::Save; };
        window.editor()->insertPlainText(QStringLiteral("x"));
        QVERIFY(dir.remove());
        QVERIFY(!window.close());
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"Cannot create file " + path.toStdString()});
        QVERIFY(window.IsModified());
    }

    void unreadableFileIsNotEditable() {
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(dir_.filePath(QStringLiteral("missing.html")).toStdString(),
                              messages);
        QVERIFY(window.editor()->isReadOnly());
        QVERIFY_THROWS_EXCEPTION(zendal::EHostFailure, window.Text());
        QVERIFY_THROWS_EXCEPTION(zendal::EHostFailure, window.InsertText("x", true));
    }

    void fileLargerThan256MegabytesIsRefusedNamingItsSize() {
        QFile big(path_);
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize((qint64{256} << 20) + 1));  // sparse: nothing is written
        big.close();
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(path_.toStdString(), messages);
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"The file " + path_.toStdString() +
                                          " is too large to open: it is 256.0 MB (268435457 "
                                          "bytes), and Zendal opens documents of up to 256 MB."});
        QVERIFY(window.editor()->isReadOnly());
        QVERIFY(window.editor()->toPlainText().isEmpty());
        QVERIFY_THROWS_EXCEPTION(zendal::EHostFailure, window.Text());
    }

    void nulBytesAndStrayBytesSurviveAnEditAndASave() {
        const QByteArray original("<html>\n<head></head>\n<p>a\0b\x81\x8d\xff</p>\n", 35);
        WriteBytes(path_, original);
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(path_.toStdString(), messages);
        QCOMPARE(window.Text(), std::string("<html>\r\n<head></head>\r\n<p>a\0b\xC2\x81\xC2\x8D"
                                            "\xC3\xBF</p>\r\n",
                                            41));
        window.editor()->moveCursor(QTextCursor::End);
        window.editor()->insertPlainText(QStringLiteral("x"));
        QVERIFY(window.Save());
        QCOMPARE(ReadBytes(path_), original + "x");
    }

    void fileMenuOpensSavesAsReloadsAndCloses() {
        WriteBytes(path_, "<html>\n");
        const QString other = dir_.filePath(QStringLiteral("other.html"));
        WriteBytes(other, "<p>other\n");
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(std::string(), messages);
        QVERIFY(!window.HasDocument());
        QVERIFY_THROWS_EXCEPTION(zendal::EHostFailure, window.FILENAME());
        QStringList files = {path_};
        window.askForFile = [&](bool) { return files.takeFirst(); };
        window.askToSave = [](const QString&) { return DocumentWindow::CloseAnswer::Cancel; };
        window.findChild<QAction*>(QStringLiteral("Open"))->trigger();
        QCOMPARE(window.FILENAME(), path_.toStdString());
        QCOMPARE(window.Text(), std::string("<html>\r\n"));

        // Unsaved work is kept when the user cancels.
        window.editor()->insertPlainText(QStringLiteral("x"));
        QVERIFY(!window.Open(other.toStdString()));
        QVERIFY(!window.Reload());
        QCOMPARE(window.FILENAME(), path_.toStdString());

        const QString copy = dir_.filePath(QStringLiteral("copy.html"));
        files = {copy};
        window.findChild<QAction*>(QStringLiteral("SaveAs"))->trigger();
        QCOMPARE(window.FILENAME(), copy.toStdString());
        QCOMPARE(ReadBytes(copy), QByteArray("x<html>\n"));
        QCOMPARE(ReadBytes(path_), QByteArray("<html>\n"));
        QVERIFY(!window.IsModified());

        WriteBytes(copy, "<head>\n");
        window.findChild<QAction*>(QStringLiteral("Reload"))->trigger();
        QCOMPARE(window.Text(), std::string("<head>\r\n"));

        window.findChild<QAction*>(QStringLiteral("Close"))->trigger();
        QVERIFY(!window.HasDocument());
        QVERIFY_THROWS_EXCEPTION(zendal::EHostFailure, window.Text());
        QVERIFY(window.Open(other.toStdString()));
        QCOMPARE(window.Text(), std::string("<p>other\r\n"));
    }

    void toolbarButtonInstallsADesktopEntry() {
        zendal::test::ScriptedMessagePort messages;
        DocumentWindow window(path_.toStdString(), messages);
        window.applicationsFolder = dir_.filePath(QStringLiteral("applications")).toStdString();
        window.AddAppToolbutton("Common", "/opt/zendal/bin/zendal", "", "Run Zendal");
        const QByteArray entry =
            ReadBytes(dir_.filePath(QStringLiteral("applications/zendal.desktop")));
        QVERIFY(entry.contains("Exec=\"/opt/zendal/bin/zendal\" %f\n"));
        QVERIFY(entry.contains("Comment=Run Zendal\n"));
        QVERIFY(entry.contains("MimeType=text/html;"));
        // A folder that cannot be made.
        WriteBytes(dir_.filePath(QStringLiteral("plain")), "x");
        window.applicationsFolder =
            dir_.filePath(QStringLiteral("plain/applications")).toStdString();
        QVERIFY_THROWS_EXCEPTION(zendal::EHostFailure,
                                 window.AddAppToolbutton("Common", "/x", "", "Run Zendal"));
    }

  private:
    QTemporaryDir dir_;
    QString path_;
};

QTEST_MAIN(DocumentWindowTest)
#include "DocumentWindowTest.moc"
