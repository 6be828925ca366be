#pragma once

#include <string>
#include <vector>

namespace zendal::cli {

struct CliContext;

// One command of zendal-cli. run returns the exit status; it throws UsageError for bad
// arguments.
struct CliCommand {
    const char* name;
    const char* usage;    // the synopsis line after "zendal-cli"
    const char* summary;  // one line for the command list
    int (*run)(CliContext& context);
};

// Every command, in the order that --help lists them.
const std::vector<CliCommand>& Commands();

}  // namespace zendal::cli
