#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/CliMessagePort.h"
#include "cli/CliStatusPort.h"

namespace zendal::cli {

// What every command gets: its arguments, the streams, the ports and the home folder option.
struct CliContext {
    std::vector<std::string> args;  // the command's own arguments, after its name
    std::string homeOption;         // --home DIR, empty when not given
    std::ostream& out;
    std::istream& in;
    CliMessagePort messages;
    CliStatusPort status;

    CliContext(std::vector<std::string> arguments, std::string home, std::ostream& output,
               std::istream& input, std::ostream& errors)
        : args(std::move(arguments)),
          homeOption(std::move(home)),
          out(output),
          in(input),
          messages(errors) {}

    // 1 when a failure message was shown, else 0.
    int ExitStatus() const { return messages.FailureShown() ? 1 : 0; }
};

}  // namespace zendal::cli
