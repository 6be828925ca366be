#include <exception>
#include <ostream>

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
    const std::pair<const char*, const std::string*> texts[] = {
        {"file", &wizard.activeDocument},
        {"title", &f.Titlebox},
        {"keywords", &f.edit22},
        {"description", &f.edit1},
        {"generator", &f.Edit4},
        {"robots", &f.ComboBox1},
        {"distribution", &f.ComboBox3},
        {"rating", &f.ComboBox2},
        {"language", &f.ComboBox5},
        {"copyright", &f.Edit6},
        {"author", &f.Edit7},
        {"classification", &f.ComboBox4},
        {"reply-to", &f.Edit3},
        {"revisit", &f.Edit2},
    };
    std::string line = "{";
    for (const auto& [name, text] : texts) {
        line += JsonString(name) + ": " + JsonString(*text) + ", ";
    }
    line += std::string("\"pragma\": ") + (f.CheckBox1 ? "true" : "false") + ", \"custom\": [";
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
