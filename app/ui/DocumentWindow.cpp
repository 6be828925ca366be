#include "app/ui/DocumentWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/DesktopEntry.h"
#include "base/DocumentCodec.h"
#include "base/EHostFailure.h"
#include "base/MessagePort.h"
#include "base/ZendalError.h"

namespace zendal {

namespace {

using LineBreaks = DocumentFormat::LineBreaks;

DocumentWindow::CloseAnswer AskWithBox(QWidget* parent, const QString& fileName) {
    QMessageBox::StandardButton answer = QMessageBox::question(
        parent, QStringLiteral("Zendal"),
        QStringLiteral("Save the changes to %1 before closing?").arg(fileName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        return DocumentWindow::CloseAnswer::Save;
    }
    return answer == QMessageBox::Discard ? DocumentWindow::CloseAnswer::Discard
                                          : DocumentWindow::CloseAnswer::Cancel;
}

}  // namespace

DocumentWindow::DocumentWindow(const std::string& path, MessagePort& messages, QWidget* parent)
    : QMainWindow(parent),
      // Without a document the file host stands on the working folder, which it cannot load.
      file_(path.empty() ? std::string(".") : path),
      messages_(messages),
      editor_(new QPlainTextEdit(this)),
      hasDocument_(!path.empty()) {
    applicationsFolder = DesktopEntry::UserApplicationsFolder();
    setObjectName(QStringLiteral("DocumentWindow"));
    askToSave = [this](const QString& fileName) { return AskWithBox(this, fileName); };
    askForFile = [this](bool forSaving) {
        const QString filter =
            QStringLiteral("HTML pages (*.html *.htm *.shtml *.cfm);;All files (*)");
        return forSaving ? QFileDialog::getSaveFileName(this, QStringLiteral("Save Page As"),
                                                        QString(), filter)
                         : QFileDialog::getOpenFileName(this, QStringLiteral("Open Page"),
                                                        QString(), filter);
    };
    editor_->setObjectName(QStringLiteral("editor"));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(editor_);
    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            &DocumentWindow::UpdateTitle);

    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu->setObjectName(QStringLiteral("FileMenu"));
    QAction* open = fileMenu->addAction(QStringLiteral("&Open..."), this, [this] {
        const QString chosen = askForFile(false);
        if (!chosen.isEmpty()) {
            Open(chosen.toStdString());
        }
    });
    open->setObjectName(QStringLiteral("Open"));
    open->setShortcut(QKeySequence::Open);
    saveAction_ = fileMenu->addAction(QStringLiteral("&Save"), this, [this] { Save(); });
    saveAction_->setObjectName(QStringLiteral("Save"));
    saveAction_->setShortcut(QKeySequence::Save);
    saveAsAction_ = fileMenu->addAction(QStringLiteral("Save &As..."), this, [this] {
        const QString chosen = askForFile(true);
        if (!chosen.isEmpty()) {
            SaveAs(chosen.toStdString());
        }
    });
    saveAsAction_->setObjectName(QStringLiteral("SaveAs"));
    saveAsAction_->setShortcut(QKeySequence::SaveAs);
    reloadAction_ = fileMenu->addAction(QStringLiteral("&Reload"), this, [this] { Reload(); });
    reloadAction_->setObjectName(QStringLiteral("Reload"));
    reloadAction_->setShortcut(QKeySequence::Refresh);
    fileMenu->addSeparator();
    QAction* close =
        fileMenu->addAction(QStringLiteral("&Close"), this, [this] { CloseDocument(); });
    close->setObjectName(QStringLiteral("Close"));
    close->setShortcut(QKeySequence::Close);
    resize(720, 560);
    ShowFile();
    // A file that is missing is reported by the wizard when it reads the document; a refused
    // one gets its own message, which names its size.
    if (hasDocument_ && file_.TooLarge()) {
        messages_.Error(file_.LoadFailure());
    }
}

void DocumentWindow::ShowFile() {
    const bool loaded = hasDocument_ && file_.Loaded();
    if (loaded) {
        editor_->setPlainText(
            QString::fromStdString(DocumentCodec::WithLineBreaks(file_.Text(), LineBreaks::LF)));
    } else {
        editor_->clear();
    }
    // Nothing to show, and nothing that could be saved over a file that exists.
    editor_->setReadOnly(!loaded);
    editor_->document()->setModified(false);
    saveAction_->setEnabled(loaded);
    saveAsAction_->setEnabled(loaded);
    reloadAction_->setEnabled(hasDocument_);
    UpdateTitle();
}

void DocumentWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    LayOutFirstScreen();
}

void DocumentWindow::LayOutFirstScreen() {
    QAbstractTextDocumentLayout* layout = editor_->document()->documentLayout();
    const qreal height = editor_->viewport()->height();
    qreal top = 0;
    for (QTextBlock block = editor_->cursorForPosition(QPoint(0, 0)).block();
         block.isValid() && top <= height; block = block.next()) {
        top += layout->blockBoundingRect(block).height();
    }
}

bool DocumentWindow::MayDropChanges() {
    if (!hasDocument_ || !IsModified()) {
        return true;
    }
    const QString name = QFileInfo(QString::fromStdString(file_.FILENAME())).fileName();
    const CloseAnswer answer = askToSave(name);
    return answer == CloseAnswer::Discard || (answer == CloseAnswer::Save && Save());
}

bool DocumentWindow::Open(const std::string& path) {
    if (!MayDropChanges()) {
        return false;
    }
    file_ = FileHost(path);
    hasDocument_ = true;
    if (!file_.Loaded()) {
        messages_.Error(file_.LoadFailure());
    }
    ShowFile();
    return true;
}

bool DocumentWindow::Reload() {
    return hasDocument_ && Open(file_.FILENAME());
}

bool DocumentWindow::CloseDocument() {
    if (!MayDropChanges()) {
        return false;
    }
    hasDocument_ = false;
    ShowFile();
    return true;
}

bool DocumentWindow::SaveAs(const std::string& path) {
    if (!hasDocument_ || !file_.Loaded()) {
        return false;
    }
    try {
        file_.InsertText(EditorText(), true);
        file_.SaveTo(path);
    } catch (const ZendalError& e) {
        messages_.Error(e.Message());
        return false;
    }
    file_ = FileHost(path);
    ShowFile();
    return true;
}

void DocumentWindow::UpdateTitle() {
    if (!hasDocument_) {
        setWindowTitle(QStringLiteral("No document - Zendal"));
        return;
    }
    const QString name = QFileInfo(QString::fromStdString(file_.FILENAME())).fileName();
    setWindowTitle((IsModified() ? QStringLiteral("*") : QString()) + name +
                   QStringLiteral(" - Zendal"));
}

bool DocumentWindow::IsModified() const {
    return editor_->document()->isModified();
}

void DocumentWindow::RequireDocument() const {
    if (!hasDocument_) {
        throw EHostFailure("The document window has no document");
    }
}

std::string DocumentWindow::EditorText() const {
    // The raw text keeps no-break spaces; blocks are separated by paragraph separators.
    QString text = editor_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return DocumentCodec::WithLineBreaks(text.toStdString(), LineBreaks::CRLF);
}

std::string DocumentWindow::FILENAME() {
    RequireDocument();
    return file_.FILENAME();
}

const std::string& DocumentWindow::Text() {
    RequireDocument();
    file_.Text();  // fails for a file that could not be read
    text_ = EditorText();
    return text_;
}

QTextCursor& DocumentWindow::UpdateCursor() {
    if (!inUpdate_) {
        updateCursor_ = editor_->textCursor();
    }
    return updateCursor_;
}

void DocumentWindow::beginupdate() {
    RequireDocument();
    updateCursor_ = editor_->textCursor();
    updateCursor_.beginEditBlock();
    inUpdate_ = true;
}

void DocumentWindow::SelectAll() {
    RequireDocument();
    UpdateCursor().select(QTextCursor::Document);
    editor_->setTextCursor(updateCursor_);
}

void DocumentWindow::InsertText(std::string text, bool) {
    RequireDocument();
    if (!file_.Loaded() || editor_->isReadOnly()) {
        throw EHostFailure("The document could not be read");
    }
    UpdateCursor().insertText(
        QString::fromStdString(DocumentCodec::WithLineBreaks(text, LineBreaks::LF)));
    editor_->setTextCursor(updateCursor_);
}

void DocumentWindow::endupdate() {
    RequireDocument();
    if (inUpdate_) {
        updateCursor_.endEditBlock();
        inUpdate_ = false;
    }
}

void DocumentWindow::AddAppToolbutton(const std::string&, const std::string& program,
                                      const std::string&, const std::string& hint) {
    try {
        DesktopEntry::Install(applicationsFolder, program, hint);
    } catch (const ZendalError& e) {
        throw EHostFailure(e.Message());
    }
}

bool DocumentWindow::Save() {
    try {
        file_.InsertText(EditorText(), true);
        file_.Save();
    } catch (const ZendalError& e) {
        messages_.Error(e.Message());
        return false;
    }
    editor_->document()->setModified(false);
    return true;
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (!MayDropChanges()) {
        event->ignore();
        return;
    }
    hasDocument_ = false;
    event->accept();
}

}  // namespace zendal
