#include "cli/CliCommand.h"

#include "cli/Commands.h"

namespace zendal::cli {

const std::vector<CliCommand>& Commands() {
    // In the order of the command list of --help.
    static const std::vector<CliCommand> commands = {
        {"analyse", "analyse FILE [FIELD OPTIONS] [--rule NAME=VALUE]...",
         "print the meta tag analysis report of FILE", RunAnalyse},
        {"spell", "spell [--suggest] [--complete] [--add] WORD...",
         "look words up in the dictionaries", RunSpell},
        {"check", "check [--no-html]", "spell-check standard input as the spelling dialog does",
         RunCheck},
        {"tokens", "tokens [--no-flush-on-eol] [--preserve-white-space] [--chunk N] [FILE]",
         "print the token parser's events for FILE as JSON lines", RunTokens},
        {"dct", "dct build WORDLIST OUT", "compile a word list into a dictionary file", RunDct},
    };
    return commands;
}

}  // namespace zendal::cli
