#include "cli/CliCommand.h"

#include "cli/Commands.h"

namespace zendal::cli {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        // Commands are added here as they are built, one line each.
        {"read", "read FILE... [FIELD OPTIONS]", "Read the title and meta tags of pages", RunRead},
        {"schema", "schema list | schema show NAME | schema save NAME [--custom NAME=VALUE]... | schema delete NAME", "Lists, shows, saves or deletes the custom meta tag schemas", RunSchema},
    };
    return commands;
}

}  // namespace zendal::cli
