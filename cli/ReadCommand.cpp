#include <exception>
#include <ostream>

#include "base/FieldTable.h"
#include "base/Wizard.h"
#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FieldOptions.h"
#include "cli/JsonString.h"
#include "cli/UsageError.h"
#include "head/ReadCommands.h"

namespace zendal::cli {

namespace {

// One line: the file and every field that a read fills, with the custom grid's entry rows.
std::string ReadResult(const Wizard& wizard) {
    const WizardFields& f = wizard.fields;
    std::string line = "{\"file\": " + JsonString(wizard.activeDocument) + ", ";
    for (const WizardField& field : FieldTable::Fields()) {
        if (field.jsonKey == nullptr) {
            continue;
        }
        line += JsonString(field.jsonKey) + ": ";
        if (field.checked != nullptr) {
            line += f.*field.checked ? "true" : "false";
        } else {
            line += JsonString(f.*field.text);
        }
        line += ", ";
    }
    line += "\"custom\": [";
    for (std::size_t i = 0; i < f.grid1.size(); ++i) {
        line += (i == 0 ? "{\"name\": " : ", {\"name\": ") + JsonString(f.grid1[i].name) +
                ", \"value\": " + JsonString(f.grid1[i].value) + "}";
    }
    return line + "]}";
}

}  // namespace

int RunRead(CliContext& context) {
    std::vector<std::string> args = context.args;
    const FieldOptions options = FieldOptions::Extract(args);
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            throw UsageError("unknown option '" + arg + "'");
        } else if (arg.empty()) {
            throw UsageError("an empty FILE");
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        throw UsageError("no FILE given");
    }

    CliSession session(context);
    Wizard& wizard = session.wizard();
    const WizardFields atStart = wizard.fields;
    ReadCommands commands(wizard);
    for (const std::string& file : files) {
        wizard.fields = atStart;
        options.ApplyBeforeRead(wizard);
        try {
            session.OpenDocument(file);
            commands.xread();
        } catch (const std::exception& e) {
            // The window's general error handler shows the text; the next file is read.
            context.messages.Error(e.what());
        }
        options.ApplyAfterRead(wizard);
        context.out << ReadResult(wizard) << '\n' << std::flush;
    }
    return context.ExitStatus();
}

}  // namespace zendal::cli
