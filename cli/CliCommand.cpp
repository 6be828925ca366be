#include "cli/CliCommand.h"

#include "cli/Commands.h"

namespace zendal::cli {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        // Commands are added here as they are built, one line each.
        {"analyse", "analyse FILE [--keywords T] [--description T] [--rule NAME=VALUE]...",
         "prints the meta tag analysis report of FILE", RunAnalyse},
    };
    return commands;
}

}  // namespace zendal::cli
