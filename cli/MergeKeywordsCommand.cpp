#include <ostream>

#include "base/WordComparison.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/UsageError.h"
#include "keywords/KeyWordCommand.h"

namespace zendal::cli {

// Merges chosen key words into a key words text as the key word window's merge does.
int RunMergeKeywords(CliContext& context) {
    const std::vector<std::string>& args = context.args;
    bool haveKeyWords = false;
    bool optionsEnded = false;
    std::string keyWords;
    std::vector<std::string> chosen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--keywords") {
            if (i + 1 >= args.size()) {
                throw UsageError("--keywords needs a value");
            }
            keyWords = args[++i];
            haveKeyWords = true;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.starts_with("-") && arg != "-") {
            throw UsageError("unknown option " + arg);
        } else {
            // The window's chosen key words never hold a word twice.
            bool chosenBefore = false;
            for (const std::string& word : chosen) {
                chosenBefore = chosenBefore || WordComparison::Equal(word, arg);
            }
            if (!chosenBefore) {
                chosen.push_back(arg);
            }
        }
    }
    if (!haveKeyWords) {
        throw UsageError("missing --keywords T");
    }
    context.out << KeyWordCommand::Merge(keyWords, chosen) << '\n';
    return context.ExitStatus();
}

}  // namespace zendal::cli
