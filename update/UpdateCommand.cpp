#include "update/UpdateCommand.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/EFileCreate.h"
#include "base/EFileOpen.h"
#include "base/ENoFile.h"
#include "base/MultipleSelection.h"
#include "base/Wizard.h"
#include "update/HeadRewrite.h"
#include "update/TagGeneration.h"

namespace zendal {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

UpdateCommand::UpdateCommand(Wizard& wizard, TagGeneration& tags) : wizard_(wizard), tags_(tags) {}

std::string UpdateCommand::FinalMessage(int count) {
    return "Successfully Wrote Tags To " + std::to_string(count) + " Files";
}

std::string UpdateCommand::CannotOpenMessage(const std::string& fileName) const {
    std::string text = "File : " + fileName +
                       " Could Not be Opened\rCheck to Make Sure File Exists and update list "
                       "accordingly.";
    if (MultipleSelection::MarksIgnoringCase(wizard_.activeDocument)) {
        text += "\rProcess Will Continue With Next File.";
    }
    return text;
}

void UpdateCommand::Failure(const std::string& text) {
    failureShown_ = true;
    wizard_.messages.Failure(text);
}

void UpdateCommand::Error(const std::string& text) {
    failureShown_ = true;
    wizard_.messages.Error(text);
}

void UpdateCommand::Counter(std::size_t k) {
    wizard_.status.SetPanelText(StatusPort::FileCounterPanel,
                                std::to_string(k) + "/" + std::to_string(wizard_.fileList.size()));
}

void UpdateCommand::Button34Click() {
    written_ = 0;
    failureShown_ = false;
    try {
        Run();
    } catch (const std::exception& e) {
        // The window's general error handler: the command ends here.
        Error(e.what());
    }
    wizard_.status.SetBusyCursor(false);
}

void UpdateCommand::Run() {
    if (wizard_.fields.CheckBox4) {
        tags_.blankTagList.clear();
        if (MultipleSelection::MarksExactly(wizard_.activeDocument)) {
            Failure(kMultipleSelectionRefused);
            return;
        }
        tags_.BuildBlankTagList();
    }
    if (wizard_.fields.CheckBox2) {
        BackUp();
    }
    StatusPort& status = wizard_.status;
    status.SetPanelText(StatusPort::StatePanel, "FPROC");
    status.SetPanelText(StatusPort::MessagePanel, "Updating html...");
    status.ProcessMessages();
    status.SetBusyCursor(true);
    Rewrite();
    status.SetPanelText(StatusPort::StatePanel, "Ready");
    status.SetPanelText(StatusPort::FileCounterPanel, "F=OK");
    status.SetPanelText(StatusPort::MessagePanel, "Completed HTML Update");
    if (showFinalMessage) {
        wizard_.messages.Message(FinalMessage(written_));
    }
}

std::string UpdateCommand::BackupFolder() const {
    const std::string folder = wizard_.programFolder + "backup";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

void UpdateCommand::BackUp() {
    const std::vector<std::string>& files = wizard_.fileList;
    for (std::size_t k = 1; k <= files.size(); ++k) {
        wizard_.status.SetPanelText(StatusPort::MessagePanel, "Backing Up Files Please wait!");
        const std::string& source = files[k - 1];
        const std::string destination = BackupFolder();
        Counter(k);
        std::error_code error;
        if (!std::filesystem::exists(source, error)) {
            Failure(kNoBackupSource);
            continue;
        }
        try {
            CopyFileTo(source, destination);
        } catch (const EFileOpen&) {
            Error(CannotOpenMessage(source));
        }
    }
}

void UpdateCommand::Rewrite() {
    HeadRewrite rewrite(wizard_, tags_);
    const std::vector<std::string> files = wizard_.fileList;
    for (std::size_t k = 1; k <= files.size(); ++k) {
        Counter(k);
        wizard_.status.ProcessMessages();
        try {
            if (rewrite.WriteTags(files[k - 1])) {
                ++written_;
                wizard_.status.SetPanelText(StatusPort::MessagePanel, "Updating Views/Html...");
            }
        } catch (const ENoFile& e) {
            Failure(e.Message());
        } catch (const EFileOpen&) {
            Error(CannotOpenMessage(files[k - 1]));
        }
    }
}

void UpdateCommand::CopyFileTo(const std::string& source, const std::string& destination) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target = fs::absolute(destination, error);
    if (error) {
        target = destination;
    }
    if (fs::is_directory(target, error)) {
        target /= fs::path(source).filename();
    }
    std::vector<char> buffer(kBlockSize);
    File in(std::fopen(source.c_str(), "rb"));
    if (!in) {
        throw EFileOpen(source);
    }
    File out(std::fopen(target.c_str(), "wb"));
    if (!out) {
        throw EFileCreate(target.string());
    }
    for (;;) {
        const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), in.get());
        if (read > 0 && std::fwrite(buffer.data(), 1, read, out.get()) != read) {
            throw EFileCreate(target.string());
        }
        if (read < buffer.size()) {
            break;
        }
    }
    if (std::fclose(out.release()) != 0) {
        throw EFileCreate(target.string());
    }
}

}  // namespace zendal
