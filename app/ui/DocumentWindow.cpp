#include "app/ui/DocumentWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QToolBar>

#include "app/DocumentCodec.h"
#include "app/EHostFailure.h"
#include "app/MessagePort.h"
#include "app/ZendalError.h"

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
    : QMainWindow(parent), file_(path), messages_(messages), editor_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("DocumentWindow"));
    askToSave = [this](const QString& fileName) { return AskWithBox(this, fileName); };

    editor_->setObjectName(QStringLiteral("editor"));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(editor_);
    if (file_.Loaded()) {
        editor_->setPlainText(
            QString::fromStdString(DocumentCodec::WithLineBreaks(file_.Text(), LineBreaks::LF)));
    } else {
        // Nothing to show, and nothing that could be saved over a file that exists.
        editor_->setReadOnly(true);
    }
    editor_->document()->setModified(false);
    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            &DocumentWindow::UpdateTitle);

    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* save = fileMenu->addAction(QStringLiteral("&Save"), this, [this] { Save(); });
    save->setShortcut(QKeySequence::Save);
    save->setEnabled(file_.Loaded());
    QAction* close = fileMenu->addAction(QStringLiteral("&Close"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);

    resize(720, 560);
    UpdateTitle();
}

void DocumentWindow::UpdateTitle() {
    const QString name = QFileInfo(QString::fromStdString(file_.FILENAME())).fileName();
    setWindowTitle((IsModified() ? QStringLiteral("*") : QString()) + name +
                   QStringLiteral(" - Zendal"));
}

bool DocumentWindow::IsModified() const {
    return editor_->document()->isModified();
}

void DocumentWindow::RequireDocument() const {
    if (closed_) {
        throw EHostFailure("The document window is closed");
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

std::string DocumentWindow::Text() {
    RequireDocument();
    file_.Text();  // fails for a file that could not be read
    return EditorText();
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

void DocumentWindow::InsertText(const std::string& text, bool) {
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

void DocumentWindow::AddAppToolbutton(const std::string& toolbar, const std::string& program,
                                      const std::string&, const std::string& hint) {
    RequireDocument();
    const QString name = QString::fromStdString(toolbar);
    auto* bar = findChild<QToolBar*>(name);
    if (bar == nullptr) {
        bar = addToolBar(name);
        bar->setObjectName(name);
    }
    const QString programFile = QString::fromStdString(program);
    QAction* button = bar->addAction(QFileInfo(programFile).baseName(), this,
                                     [programFile] { QProcess::startDetached(programFile, {}); });
    button->setToolTip(QString::fromStdString(hint));
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
    if (IsModified()) {
        const QString name = QFileInfo(QString::fromStdString(file_.FILENAME())).fileName();
        CloseAnswer answer = askToSave(name);
        if (answer == CloseAnswer::Cancel || (answer == CloseAnswer::Save && !Save())) {
            event->ignore();
            return;
        }
    }
    closed_ = true;
    event->accept();
}

}  // namespace zendal
