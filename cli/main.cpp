// vardeck-cli: the tool's engines without a window, for installers' scripts.
#include "cli/CliCommand.h"
#include "brand/ProgramVersion.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace vardeck::cli {
std::vector<CliCommand>& cliCommands() {
    static std::vector<CliCommand> commands;
    return commands;
}
}  // namespace vardeck::cli

namespace {
void printUsage(std::ostream& out) {
    auto commands = vardeck::cli::cliCommands();
    std::sort(commands.begin(), commands.end(), [](auto& a, auto& b) { return a.name < b.name; });
    out << "usage: vardeck-cli COMMAND [ARGS...]\n       vardeck-cli --version\n\ncommands:\n";
    for (auto& c : commands) out << c.usage << "\n";
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        printUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << vardeck::versionLine("vardeck-cli");
        return 0;
    }
    for (auto& c : vardeck::cli::cliCommands()) {
        if (c.name == args[0]) return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    std::cerr << "vardeck-cli: unknown command \"" << args[0] << "\"\n\n";
    printUsage(std::cerr);
    return 2;
}
