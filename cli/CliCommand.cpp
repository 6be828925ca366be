#include "cli/CliCommand.h"

#include "cli/Commands.h"

namespace zendal::cli {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        // Commands are added here as they are built, one line each.
        {"tokens", "tokens [--no-flush-on-eol] [--preserve-white-space] [--chunk N] [FILE]", "Prints the tokens of an HTML page as JSON lines, one per event", RunTokens},
        {"analyse", "analyse FILE [--keywords T] [--description T] [--rule NAME=VALUE]...",
         "prints the meta tag analysis report of FILE", RunAnalyse},
        {"keywords", "keywords FILE [--top N] [--bodychk N]", "prints the key word generator's list of FILE", RunKeywords},
        {"merge-keywords", "merge-keywords --keywords T WORD...", "merges chosen key words into the key words T", RunMergeKeywords},
    };
    return commands;
}

}  // namespace zendal::cli
