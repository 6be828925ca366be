#pragma once

#include <string>
#include <vector>

#include "base/ClipboardPort.h"
#include "base/EHostFailure.h"
#include "base/HelpPort.h"
#include "base/Host.h"
#include "base/LineBuffer.h"
#include "base/MessagePort.h"
#include "base/RuleBaseCopies.h"
#include "base/SettingsStore.h"
#include "base/StatusPort.h"
#include "base/WizardFields.h"

namespace zendal {

// The shared state of the main wizard window, without widgets: program-wide values, wizard
// fields, the document line buffer, and the ports through which commands reach the world. The
// commands are classes of their subsystems that work on a Wizard; the windows mirror the fields
// into their controls before a command and back after it.
class Wizard {
  public:
    Wizard(MessagePort& messagePort, StatusPort& statusPort)
        : messages(messagePort), status(statusPort) {}

    // Program-wide values.
    std::string programFolder;   // the Zendal home folder, with a trailing separator
    Host* host = nullptr;        // owned by whoever made the wizard; null when none was created
    std::string activeDocument;  // the host's file name at start-up or the last refresh, or MULT
    std::vector<std::string> fileList;  // exactly the active document once one was obtained

    // The host, for a call of one of its members; without one, throws EHostFailure as a failing
    // host does, so that the caller's own message covers both.
    Host& RequireHost() const {
        if (host == nullptr) {
            throw EHostFailure("no host");
        }
        return *host;
    }

    WizardFields fields;
    std::string schemaName;               // the schema selector scname
    std::vector<std::string> schemaList;  // the names that scname offers
    RuleBaseCopies ruleBase;
    LineBuffer htmlrichedit;  // the document line buffer

    // Ports.
    MessagePort& messages;
    StatusPort& status;
    ClipboardPort* clipboard = nullptr;
    HelpPort* help = nullptr;
    SettingsStore* settings = nullptr;
};

}  // namespace zendal
