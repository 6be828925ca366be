#include <ostream>

#include "base/ZendalError.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/UsageError.h"
#include "spell/TDCTCompiler.h"

namespace zendal::cli {

// dct build WORDLIST OUT: compiles a UTF-8 word list into a word-graph dictionary file.
int RunDct(CliContext& context) {
    const auto& args = context.args;
    if (args.empty()) {
        throw UsageError("missing subcommand");
    }
    if (args[0] != "build") {
        throw UsageError("unknown subcommand '" + args[0] + "'");
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i].size() > 1 && args[i][0] == '-') {
            throw UsageError("unknown option '" + args[i] + "'");
        }
    }
    if (args.size() != 3) {
        throw UsageError(args.size() < 3 ? "missing argument" : "too many arguments");
    }
    try {
        TDCTCompiler compiler;
        compiler.CompileFile(args[1], args[2]);
    } catch (const ZendalError& e) {
        context.messages.Error(e.Message());
    }
    return context.ExitStatus();
}

}  // namespace zendal::cli
