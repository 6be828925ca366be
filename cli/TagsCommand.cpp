#include <exception>
#include <ostream>

#include "base/Wizard.h"
#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FieldOptions.h"
#include "cli/UsageError.h"
#include "head/ReadCommands.h"
#include "update/TagGeneration.h"

namespace zendal::cli {

int RunTags(CliContext& context) {
    std::vector<std::string> args = context.args;
    const FieldOptions options = FieldOptions::Extract(args);
    std::string file;
    std::string active;
    bool activeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--file" || arg == "--active") {
            if (i + 1 >= args.size()) {
                throw UsageError(arg + " needs a value");
            }
            (arg == "--file" ? file : active) = args[++i];
            activeGiven = activeGiven || arg == "--active";
        } else {
            throw UsageError("unknown argument '" + arg + "'");
        }
    }

    CliSession session(context);
    Wizard& wizard = session.wizard();
    options.ApplyBeforeRead(wizard);
    if (!file.empty()) {
        try {
            session.OpenDocument(file);
            ReadCommands(wizard).xread();
        } catch (const std::exception& e) {
            context.messages.Error(e.what());
        }
    }
    if (activeGiven) {
        wizard.activeDocument = active;
    }
    options.ApplyAfterRead(wizard);
    TagGeneration tags(wizard);
    tags.TabSheet5Enter();
    for (const std::string& line : tags.tagLines) {
        context.out << line << '\n';
    }
    return context.ExitStatus();
}

}  // namespace zendal::cli
