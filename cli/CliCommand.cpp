#include "cli/CliCommand.h"

#include "cli/Commands.h"

namespace zendal::cli {

const std::vector<CliCommand>& Commands() {
    // In the order of the command list of --help.
    static const std::vector<CliCommand> commands = {
        {"read", "read FILE... [FIELD OPTIONS]",
         "read the head of each FILE into the wizard fields, as JSON", RunRead},
        {"tags", "tags [--file FILE] [--active NAME] [FIELD OPTIONS]",
         "print the generated tag lines", RunTags},
        {"update",
         "update FILE... [FIELD OPTIONS] [--remove-blanks | --keep-blanks] [--backup | "
         "--no-backup] [--in-place | -o OUT]",
         "rewrite the head of each FILE with the generated tags", RunUpdate},
        {"keywords", "keywords FILE [--top N] [--bodychk N] [--language T]",
         "list the most frequent words of the body of FILE", RunKeywords},
        {"merge-keywords", "merge-keywords --keywords T WORD...",
         "merge chosen key words into a key words text", RunMergeKeywords},
        {"analyse", "analyse FILE [FIELD OPTIONS] [--rule NAME=VALUE]...",
         "print the meta tag analysis report of FILE", RunAnalyse},
        {"spell", "spell [--suggest] [--classic] [--complete] [--add] [--language LANG] WORD...",
         "look words up in the dictionaries", RunSpell},
        {"check", "check [--no-html] [--language LANG]",
         "spell-check a text read from standard input", RunCheck},
        {"tokens", "tokens [--no-flush-on-eol] [--preserve-white-space] [--chunk N] [FILE]",
         "print the token parser's events for FILE as JSON lines", RunTokens},
        {"schema", "schema list | show NAME | save NAME [--custom NAME=VALUE]... | delete NAME",
         "list, show, save or delete custom meta tag schemas", RunSchema},
        {"dct", "dct build WORDLIST OUT", "compile a word list into a dictionary file", RunDct},
    };
    return commands;
}

}  // namespace zendal::cli
