#include <exception>
#include <optional>
#include <ostream>
#include <string_view>

#include "base/Wizard.h"
#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FieldOptions.h"
#include "cli/UsageError.h"
#include "head/ReadCommands.h"
#include "update/TagGeneration.h"
#include "update/UpdateCommand.h"

namespace zendal::cli {

namespace {

struct UpdateArguments {
    std::vector<std::string> files;
    std::optional<bool> removeBlanks;
    std::optional<bool> backup;
    bool inPlace = false;
    std::string output;
};

UpdateArguments Parse(const std::vector<std::string>& args) {
    UpdateArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            if (arg.empty()) {
                throw UsageError("an empty FILE");
            }
            parsed.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--remove-blanks" || arg == "--keep-blanks") {
            parsed.removeBlanks = arg == "--remove-blanks";
        } else if (arg == "--backup" || arg == "--no-backup") {
            parsed.backup = arg == "--backup";
        } else if (arg == "--in-place") {
            parsed.inPlace = true;
        } else if (arg == "-o") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                throw UsageError("-o needs a file name");
            }
            parsed.output = args[++i];
        } else {
            throw UsageError("unknown option '" + arg + "'");
        }
    }
    if (parsed.files.empty()) {
        throw UsageError("no FILE given");
    }
    if (parsed.inPlace && !parsed.output.empty()) {
        throw UsageError("--in-place and -o exclude each other");
    }
    if (!parsed.output.empty() && parsed.files.size() > 1) {
        throw UsageError("-o takes one FILE only");
    }
    return parsed;
}

}  // namespace

int RunUpdate(CliContext& context) {
    std::vector<std::string> args = context.args;
    const FieldOptions options = FieldOptions::Extract(args);
    const UpdateArguments parsed = Parse(args);

    CliSession session(context);
    Wizard& wizard = session.wizard();
    const WizardFields atStart = wizard.fields;
    ReadCommands commands(wizard);
    int written = 0;
    for (const std::string& file : parsed.files) {
        wizard.fields = atStart;
        options.ApplyBeforeRead(wizard);
        bool readCleanly = false;
        try {
            session.OpenDocument(file);
            readCleanly = commands.xread();
        } catch (const std::exception& e) {
            context.messages.Error(e.what());
        }
        if (!readCleanly) {
            continue;
        }
        options.ApplyAfterRead(wizard);
        wizard.fields.CheckBox4 = parsed.removeBlanks.value_or(wizard.fields.CheckBox4);
        wizard.fields.CheckBox2 = parsed.backup.value_or(wizard.fields.CheckBox2);
        TagGeneration tags(wizard);
        tags.TabSheet5Enter();
        UpdateCommand update(wizard, tags);
        update.showFinalMessage = false;
        update.Button34Click();
        if (update.WrittenCount() != 1 || update.FailureShown()) {
            continue;
        }
        FileHost& host = *session.document();
        try {
            if (parsed.inPlace) {
                host.Save();
            } else if (!parsed.output.empty()) {
                host.SaveTo(parsed.output);
            } else {
                host.EncodeTo([&context](std::string_view piece) { context.out << piece; });
                context.out << std::flush;
            }
            ++written;
        } catch (const std::exception& e) {
            context.messages.Error(e.what());
        }
    }
    // One count over every FILE, of the documents really written.
    context.messages.Message(UpdateCommand::FinalMessage(written));
    return context.ExitStatus();
}

}  // namespace zendal::cli
