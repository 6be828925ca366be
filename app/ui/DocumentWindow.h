#pragma once

#include <QMainWindow>
#include <QTextCursor>
#include <functional>
#include <string>

#include "base/FileHost.h"
#include "base/Host.h"

class QAction;
class QPlainTextEdit;

namespace zendal {

class MessagePort;

// The built-in host editor: a window that shows one document file in a plain-text editor. Its
// File menu opens, saves (Ctrl+S, in the encoding and line-break style the file was read in,
// atomically), saves under another name, reloads and closes the document; its title carries the
// file name and marks unsaved changes; closing or replacing unsaved work asks first. Without a
// document (none given, or closed) every member of the active document fails.
class DocumentWindow : public QMainWindow, public Host {
    Q_OBJECT

  public:
    enum class CloseAnswer { Save, Discard, Cancel };

    // An empty path opens the window without a document.
    DocumentWindow(const std::string& path, MessagePort& messages, QWidget* parent = nullptr);

    // Host
    std::string FILENAME() override;
    const std::string& Text() override;
    void beginupdate() override;
    void SelectAll() override;
    void InsertText(std::string text, bool replaceSelection) override;
    void endupdate() override;
    // Installs a desktop entry that starts the program (applications menu, "Open With" for
    // HTML pages) into applicationsFolder; throws EHostFailure when it cannot be written.
    void AddAppToolbutton(const std::string& toolbar, const std::string& program,
                          const std::string& iconFile, const std::string& hint) override;

    // Saves the text into the file; false (after an error box) when it cannot.
    bool Save();
    // Each asks first about unsaved changes and returns false when the user keeps them.
    bool Open(const std::string& path);
    bool Reload();
    bool CloseDocument();
    // Saves the text under another name, which becomes the document's name.
    bool SaveAs(const std::string& path);
    bool HasDocument() const { return hasDocument_; }
    bool IsModified() const;
    QPlainTextEdit* editor() const { return editor_; }
    // Asked when unsaved work is about to be closed; a question box unless replaced.
    std::function<CloseAnswer(const QString& fileName)> askToSave;
    // Asked for a file name by Open and Save As; a file dialog unless replaced.
    std::function<QString(bool forSaving)> askForFile;
    std::string applicationsFolder;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // The editor lays out its lines as it paints them and learns the width of the longest one
    // only then; the scroll bars it shows or hides after that would make it paint the whole text
    // a second time. Laying out the lines of the first screen beforehand settles them in time.
    void LayOutFirstScreen();
    void UpdateTitle();
    void ShowFile();
    bool MayDropChanges();
    void RequireDocument() const;
    std::string EditorText() const;
    QTextCursor& UpdateCursor();

    FileHost file_;
    MessagePort& messages_;
    QPlainTextEdit* editor_;
    QTextCursor updateCursor_;
    bool inUpdate_ = false;
    bool hasDocument_ = false;
    std::string text_;  // the editor's text as Text() last gave it
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* reloadAction_ = nullptr;
};

}  // namespace zendal
