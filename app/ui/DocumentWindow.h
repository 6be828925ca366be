#pragma once

#include <QMainWindow>
#include <QTextCursor>
#include <functional>
#include <string>

#include "app/FileHost.h"
#include "app/Host.h"

class QPlainTextEdit;

namespace zendal {

class MessagePort;

// The built-in host editor: a window that shows one document file in a plain-text editor. It
// saves with Ctrl+S in the encoding and line-break style the file was read in, atomically; its
// title carries the file name and marks unsaved changes; closing unsaved work asks first. Once
// closed it has no active document, and every host call fails.
class DocumentWindow : public QMainWindow, public Host {
    Q_OBJECT

  public:
    enum class CloseAnswer { Save, Discard, Cancel };

    DocumentWindow(const std::string& path, MessagePort& messages, QWidget* parent = nullptr);

    // Host
    std::string FILENAME() override;
    std::string Text() override;
    void beginupdate() override;
    void SelectAll() override;
    void InsertText(const std::string& text, bool replaceSelection) override;
    void endupdate() override;
    // Adds a button that starts the program to the named tool bar (made when missing).
    void AddAppToolbutton(const std::string& toolbar, const std::string& program,
                          const std::string& iconFile, const std::string& hint) override;

    // Saves the text into the file; false (after an error box) when it cannot.
    bool Save();
    bool IsModified() const;
    QPlainTextEdit* editor() const { return editor_; }
    // Asked when unsaved work is about to be closed; a question box unless replaced.
    std::function<CloseAnswer(const QString& fileName)> askToSave;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void UpdateTitle();
    void RequireDocument() const;
    std::string EditorText() const;
    QTextCursor& UpdateCursor();

    FileHost file_;
    MessagePort& messages_;
    QPlainTextEdit* editor_;
    QTextCursor updateCursor_;
    bool inUpdate_ = false;
    bool closed_ = false;
};

}  // namespace zendal
