#include "cli/CliCommand.h"

#include "cli/Commands.h"

namespace zendal::cli {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        // Commands are added here as they are built, one line each.
        {"spell", "spell [--suggest] [--complete] [--add] WORD...", "look words up in the dictionaries", RunSpell},
        {"dct", "dct build WORDLIST OUT", "compile a word list into a dictionary file", RunDct},
    };
    return commands;
}

}  // namespace zendal::cli
