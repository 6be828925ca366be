#include <iostream>
#include <set>

#include "analysis/MetaTagAnalysis.h"
#include "base/SettingsDefaults.h"
#include "cli/CliContext.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/FieldOptions.h"
#include "cli/OverlaySettingsStore.h"
#include "cli/UsageError.h"
#include "custom/CustomSchemas.h"

namespace zendal::cli {

namespace {

const std::set<std::string> kRuleNames = {"keywords-r", "bodychk", "keywords", "description"};

std::string TakeValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size()) {
        throw UsageError(args[i] + " needs a value");
    }
    return args[++i];
}

}  // namespace

int RunAnalyse(CliContext& context) {
    std::vector<std::string> args = context.args;
    const FieldOptions options = FieldOptions::Extract(args);
    std::string file;
    std::vector<std::pair<std::string, std::string>> rules;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--rule") {
            std::string rule = TakeValue(args, i);
            std::size_t eq = rule.find('=');
            if (eq == std::string::npos || kRuleNames.count(rule.substr(0, eq)) == 0) {
                throw UsageError(
                    "--rule takes NAME=VALUE with NAME one of keywords-r, bodychk, "
                    "keywords, description");
            }
            rules.emplace_back(rule.substr(0, eq), rule.substr(eq + 1));
        } else if (arg.starts_with("-") && arg != "-") {
            throw UsageError("unknown option " + arg);
        } else if (file.empty()) {
            file = arg;
        } else {
            throw UsageError("analyse takes one FILE");
        }
    }
    if (file.empty()) {
        throw UsageError("missing FILE");
    }

    CliSession session(context);
    Wizard& wizard = session.wizard();
    if (!rules.empty() && wizard.settings != nullptr) {
        // The rule base copies are read again as if the given texts were stored.
        OverlaySettingsStore overlay(*wizard.settings, SettingsDefaults::kKey);
        for (const auto& [name, value] : rules) {
            overlay.Set(name, value);
        }
        SettingsStore* stored = wizard.settings;
        wizard.settings = &overlay;
        SettingsDefaults::GetDefaults(wizard, CustomSchemas::scnameClick);
        wizard.settings = stored;
    }
    // The analysis reads nothing from the document's head: the fields are the options' alone.
    options.ApplyBeforeRead(wizard);
    session.OpenDocument(file);
    options.ApplyAfterRead(wizard);
    MetaTagAnalysis analysis(wizard);
    analysis.SpeedButton1Click();
    for (const std::string& line : analysis.SubmitReady()) {
        context.out << line << '\n';
    }
    return context.ExitStatus();
}

}  // namespace zendal::cli
