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
        {"tokens", "tokens [--no-flush-on-eol] [--preserve-white-space] [--chunk N] [FILE]",
         "print the token parser's events for FILE as JSON lines", RunTokens},
        {"dct", "dct build WORDLIST OUT", "compile a word list into a dictionary file", RunDct},
        {"read", "read FILE... [FIELD OPTIONS]", "Read the title and meta tags of pages", RunRead},
        {"schema", "schema list | schema show NAME | schema save NAME [--custom NAME=VALUE]... | schema delete NAME", "Lists, shows, saves or deletes the custom meta tag schemas", RunSchema},
        {"keywords", "keywords FILE [--top N] [--bodychk N]", "prints the key word generator's list of FILE", RunKeywords},
        {"merge-keywords", "merge-keywords --keywords T WORD...", "merges chosen key words into the key words T", RunMergeKeywords},
    };
    return commands;
}

}  // namespace zendal::cli
