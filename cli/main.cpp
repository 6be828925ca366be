#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/UsageError.h"

using namespace zendal::cli;

namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage: zendal-cli [--home DIR] COMMAND [ARGS]\n"
           "       zendal-cli COMMAND --help\n"
           "       zendal-cli --version\n\n"
           "Composes the title and meta tags of HTML pages without windows.\n\n"
           "Options:\n"
           "  --home DIR   the Zendal home folder (default: $ZENDAL_HOME, else\n"
           "               $XDG_DATA_HOME/zendal)\n"
           "  --help       show this text\n"
           "  --version    show the version\n\n"
           "Commands:\n";
    for (const CliCommand& command : Commands()) {
        std::string name = command.name;
        out << "  " << name << std::string(name.size() < 16 ? 16 - name.size() : 1, ' ')
            << command.summary << '\n';
    }
}

const CliCommand* FindCommand(const std::string& name) {
    for (const CliCommand& command : Commands()) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

bool WantsHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string home;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            PrintUsage(std::cout);
            return 0;
        }
        if (arg == "--version") {
            std::cout << "zendal-cli " << ZENDAL_VERSION << '\n';
            return 0;
        }
        if (arg == "--home") {
            if (i + 1 >= args.size()) {
                std::cerr << "zendal-cli: --home needs a folder\n";
                PrintUsage(std::cerr);
                return 2;
            }
            home = args[++i];
            continue;
        }
        if (arg.starts_with("--home=")) {
            home = arg.substr(7);
            continue;
        }
        break;
    }
    if (i >= args.size()) {
        std::cerr << "zendal-cli: no command given\n";
        PrintUsage(std::cerr);
        return 2;
    }
    const CliCommand* command = FindCommand(args[i]);
    if (command == nullptr) {
        std::cerr << "zendal-cli: unknown command '" << args[i] << "'\n";
        PrintUsage(std::cerr);
        return 2;
    }
    std::vector<std::string> commandArgs(args.begin() + i + 1, args.end());
    if (WantsHelp(commandArgs)) {
        std::cout << "Usage: zendal-cli [--home DIR] " << command->usage << "\n\n"
                  << command->summary << '\n';
        return 0;
    }
    CliContext context(std::move(commandArgs), home, std::cout, std::cin, std::cerr);
    try {
        return command->run(context);
    } catch (const UsageError& e) {
        std::cerr << "zendal-cli " << command->name << ": " << e.what() << '\n'
                  << "Usage: zendal-cli [--home DIR] " << command->usage << '\n';
        return 2;
    } catch (const std::exception& e) {
        // The window's general error handler: shows the text; the run has failed.
        context.messages.Error(e.what());
        return 1;
    }
}
