#include "base/StartUp.h"

#include "base/EHostFailure.h"
#include "base/Wizard.h"

namespace zendal {

bool StartUp::TakeActiveDocument(Wizard& wizard) {
    std::string fileName;
    try {
        fileName = wizard.RequireHost().FILENAME();
    } catch (const EHostFailure&) {
        wizard.messages.Failure(kHostFailure);
        return false;
    }
    wizard.activeDocument = fileName;
    ShowStartTexts(wizard.status);
    wizard.fileList = {fileName};
    return true;
}

void StartUp::ShowStartTexts(StatusPort& status) {
    status.SetPanelText(StatusPort::StatePanel, "Ready");
    status.SetPanelText(StatusPort::MessagePanel, "Zendal Started...");
    status.SetPanelText(StatusPort::SparePanel, "NONE");
    status.SetPanelText(StatusPort::FileCounterPanel, "NONE");
}

std::string StartUp::Caption(const Wizard& wizard) {
    return "Zendal - " + wizard.activeDocument;
}

}  // namespace zendal
