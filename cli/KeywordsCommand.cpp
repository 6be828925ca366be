#include <optional>
#include <ostream>

#include "base/IntegerText.h"
#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/UsageError.h"
#include "keywords/KeyWordCommand.h"
#include "keywords/KeyWordGenerator.h"

namespace zendal::cli {

namespace {

std::string TakeValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size()) {
        throw UsageError(args[i] + " needs a value");
    }
    return args[++i];
}

}  // namespace

// One generation run of the key word window on FILE, printed as the window's list. The language
// field (--language, as the wizard holds it; en-us when not given) picks the noise words of the
// page's language besides the user's own.
int RunKeywords(CliContext& context) {
    const std::vector<std::string>& args = context.args;
    std::string file;
    std::optional<int> top;
    std::optional<std::string> bodyCheckCount;
    std::optional<std::string> language;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--top") {
            std::string value = TakeValue(args, i);
            try {
                top = IntegerText::Parse(value);
            } catch (const EConvertError&) {
                throw UsageError("--top takes a whole number");
            }
        } else if (arg == "--bodychk") {
            bodyCheckCount = TakeValue(args, i);
        } else if (arg == "--language") {
            language = TakeValue(args, i);
        } else if (arg.starts_with("-") && arg != "-") {
            throw UsageError("unknown option " + arg);
        } else if (file.empty()) {
            file = arg;
        } else {
            throw UsageError("keywords takes one FILE");
        }
    }
    if (file.empty()) {
        throw UsageError("missing FILE");
    }

    CliSession session(context);
    session.OpenDocument(file);
    Wizard& wizard = session.wizard();
    if (language) {
        wizard.fields.ComboBox5 = *language;
    }
    KeyWordGenerator generator(wizard.programFolder, wizard.messages, wizard.status,
                               wizard.settings, wizard.help);
    try {
        generator.FormCreate();
        if (top) {
            generator.SetTopCount(*top);
        }
        generator.SetBodyCheckLimit(
            KeyWordCommand::BodyCheckLimit(bodyCheckCount.value_or(wizard.ruleBase.bodychk)));
        generator.SetLanguage(wizard.fields.ComboBox5);
    } catch (const ZendalError& error) {
        wizard.messages.Error(error.Message());
        return context.ExitStatus();
    }
    generator.Run(wizard.fileList.empty() ? std::string() : wizard.fileList.front());
    generator.FormShow();
    for (const KeyWordRow& row : generator.Rows()) {
        context.out << row.word << '\t' << row.Occurences() << '\t' << row.PercentOfTotal('.')
                    << '\n';
    }
    return context.ExitStatus();
}

}  // namespace zendal::cli
