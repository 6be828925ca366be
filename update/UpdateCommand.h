#pragma once

#include <string>

namespace zendal {

class Wizard;
class TagGeneration;

// The Update command: optional removal of the blank tags, optional backups of the document files
// into the backup folder, the head rewrite of every file list entry, the status bar and the
// final count of the documents written.
class UpdateCommand {
  public:
    UpdateCommand(Wizard& wizard, TagGeneration& tags);

    void Button34Click();
    // Copies source byte for byte to destination in blocks of kBlockSize; a destination that is
    // a folder receives a file of the source's name. Throws EFileOpen or EFileCreate.
    static void CopyFileTo(const std::string& source, const std::string& destination);
    // The program folder's "backup", created when missing so that the copies go into it.
    std::string BackupFolder() const;

    // The documents that the last run handed back to the host.
    int WrittenCount() const { return written_; }
    // Whether the last run showed a failure or error box.
    bool FailureShown() const { return failureShown_; }
    // zendal-cli reports one count over all its files instead.
    bool showFinalMessage = true;

    static constexpr std::size_t kBlockSize = 8192;
    static constexpr const char* kMultipleSelectionRefused =
        "Zendal cannot remove meta tags when multiple files are selected. Please select only one "
        "file or uncheck the Remove Blanks checkbox";
    static constexpr const char* kNoBackupSource =
        "Selected File does not exist to restore from: Cannot Complete Backup!";
    static std::string FinalMessage(int count);
    std::string CannotOpenMessage(const std::string& fileName) const;

  private:
    void Run();
    void BackUp();
    void Rewrite();
    void Counter(std::size_t k);
    void Failure(const std::string& text);
    void Error(const std::string& text);

    Wizard& wizard_;
    TagGeneration& tags_;
    int written_ = 0;
    bool failureShown_ = false;
};

}  // namespace zendal
