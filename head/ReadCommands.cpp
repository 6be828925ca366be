#include "head/ReadCommands.h"

#include <exception>

#include "base/MultipleSelection.h"
#include "base/SettingsDefaults.h"
#include "base/StartUp.h"
#include "base/Wizard.h"
#include "custom/CustomSchemas.h"
#include "head/ActiveDocument.h"
#include "head/EInvalidHTMLFile.h"
#include "head/EInvalidMetaTag.h"
#include "head/HeadBlock.h"
#include "head/HeadSection.h"
#include "head/MetaTagReader.h"

namespace zendal {

// What the members of the family say and read; everything else they share.
struct ReadCommands::Member {
    const char* startText;    // followed by the file list's entry
    const char* loadingText;  // before loading the text
    bool loadingNamesEntry;   // loadingText is followed by the entry
    const char* loadFailure;  // when the host does not give the text
    Reading reading;
    const char* endText;  // nullptr: the last text stays
    const char* endTextOnSuccess;
};

const ReadCommands::Member ReadCommands::kXread{"Loading Page Description And Keywords from ",
                                                "Loading file ",
                                                true,
                                                ActiveDocument::kLoadFailure,
                                                Reading::Full,
                                                "Please select your options",
                                                nullptr};
const ReadCommands::Member ReadCommands::kPage1{"Loading Page Description And Keywords from ",
                                                "Loading file ",
                                                true,
                                                ActiveDocument::kLoadFailure,
                                                Reading::KeywordsAndDescription,
                                                nullptr,
                                                "Files Read Successfully"};
const ReadCommands::Member ReadCommands::kOptions{"Loading Meta Tag Values From ",
                                                  "Loading File...!",
                                                  false,
                                                  ActiveDocument::kOptionsLoadFailure,
                                                  Reading::Options,
                                                  "Please select your options",
                                                  nullptr};
const ReadCommands::Member ReadCommands::kCustom{"Loading Meta Tag Values From ",
                                                 "Loading File...!",
                                                 false,
                                                 ActiveDocument::kLoadFailure,
                                                 Reading::Custom,
                                                 "Please select your options",
                                                 nullptr};

ReadCommands::ReadCommands(Wizard& wizard) : wizard_(wizard) {}

bool ReadCommands::xread() {
    return Run(kXread);
}
bool ReadCommands::Button15Click() {
    return Run(kPage1);
}
bool ReadCommands::rhtmloptClick() {
    return Run(kOptions);
}
bool ReadCommands::SpeedButton14Click() {
    return Run(kCustom);
}

void ReadCommands::SpeedButton2Click() {
    if (!wizard_.messages.AskYesNo(kRefreshQuestion)) {
        return;
    }
    SettingsDefaults::GetDefaults(wizard_, CustomSchemas::scnameClick);
    std::string fileName;
    try {
        fileName = wizard_.RequireHost().FILENAME();
    } catch (const std::exception&) {
        wizard_.messages.Failure(StartUp::kHostFailure);
        return;
    }
    wizard_.activeDocument = fileName;
    wizard_.fileList = {fileName};
    // Only a read that succeeded is reported as such.
    if (xread()) {
        wizard_.messages.Message("File Refreshed Successfully!");
    }
}

std::string ReadCommands::Entry() const {
    return wizard_.fileList.empty() ? wizard_.activeDocument : wizard_.fileList.front();
}

void ReadCommands::Status(const std::string& text) {
    wizard_.status.SetPanelText(StatusPort::MessagePanel, text);
}

void ReadCommands::StatusAndRepaint(const std::string& text) {
    Status(text);
    wizard_.status.ProcessMessages();
}

// The pauses between the steps only let the window repaint.
void ReadCommands::Pause() {
    wizard_.status.ProcessMessages();
}

bool ReadCommands::Run(const Member& member) {
    if (wizard_.activeDocument.empty()) {
        wizard_.messages.Error("No File Selected.");
        return false;
    }
    if (MultipleSelection::MarksIgnoringCase(wizard_.activeDocument)) {
        wizard_.messages.Error("Cannot Perform Action on Multiple Files.");
        return false;
    }
    StatusPort& status = wizard_.status;
    status.SetPanelText(StatusPort::StatePanel, "Working");
    status.SetBusyCursor(true);
    StatusAndRepaint(member.startText + Entry());

    bool succeeded = false;
    auto finish = [&] {
        status.SetPanelText(StatusPort::StatePanel, "Ready");
        status.SetBusyCursor(false);
        if (member.endText != nullptr) {
            Status(member.endText);
        } else if (succeeded && member.endTextOnSuccess != nullptr) {
            Status(member.endTextOnSuccess);
        }
    };
    try {
        succeeded = LoadAndRead(member);
    } catch (const EInvalidHTMLFile& e) {
        wizard_.messages.Failure(e.Message());
    } catch (const EInvalidMetaTag& e) {
        wizard_.messages.Failure(e.Message());
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return succeeded;
}

bool ReadCommands::LoadAndRead(const Member& member) {
    LineBuffer& buffer = wizard_.htmlrichedit;
    buffer.Clear();
    Status(member.loadingNamesEntry ? member.loadingText + Entry() : member.loadingText);
    std::string_view text;
    try {
        text = wizard_.RequireHost().Text();
    } catch (const std::exception&) {
        wizard_.messages.Failure(member.loadFailure);
        return false;
    }
    // As ActiveDocument::Load, but the body is never read: the buffer takes the text only as far
    // as the extraction looks, which gives the same head section at a fraction of the cost.
    buffer.Clear();
    buffer.AppendText(text.substr(0, HeadSection::SearchedLength(text)));
    ReadHead(member.reading);
    return true;
}

void ReadCommands::ReadHead(Reading reading) {
    LineBuffer& buffer = wizard_.htmlrichedit;
    HeadBlock head(buffer, wizard_.status, wizard_.activeDocument);
    MetaTagReader reader(wizard_);
    if (reading == Reading::Options || reading == Reading::Custom) {
        HeadSection::ExtractHeadSection(buffer, wizard_.activeDocument);
        Status("Processing CRLF...");
        buffer.SetCRLFLineBreaks();
        Status("Setting Meta Lines...");
        head.SetUpMetaLines();
        ReadSet(reading == Reading::Options ? TagList::kOptions : TagList::kCustom);
        return;
    }
    HeadSection::ExtractHeadSection(buffer, wizard_.activeDocument);
    Pause();
    Status("Processing CRLF...");
    buffer.SetCRLFLineBreaks();
    Pause();
    Status("Processing Setup meta lines...");
    reader.ReadTitleLine();
    Pause();
    head.SetUpMetaLines();
    Pause();
    StatusAndRepaint("Building Tag List...");
    tagList.BuildTagList(wizard_, TagList::kKeywordsAndDescription);
    StatusAndRepaint("Reading Tags...");
    reader.ReadTags(TagList::kKeywordsAndDescription, tagList);
    if (reading == Reading::Full) {
        for (int set : {TagList::kOptions, TagList::kCustom}) {
            Status("Setting Meta Lines...");
            head.SetUpMetaLines();
            ReadSet(set);
        }
    }
}

void ReadCommands::ReadSet(int set) {
    Status("Building Tag List Options...");
    tagList.BuildTagList(wizard_, set);
    MetaTagReader(wizard_).ReadTags(set, tagList);
    Status("Meta Tags Succesfully Read!");
}

}  // namespace zendal
