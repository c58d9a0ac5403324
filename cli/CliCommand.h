#pragma once
#include <string>
#include <vector>

namespace vardeck::cli {

// One sub-command of vardeck-cli ("settings", "decode", ...). Each command lives in a
// file of its own and registers itself with a static CliRegistrar.
struct CliCommand {
    std::string name;
    std::string usage;  // lines shown by "vardeck-cli help"
    int (*run)(const std::vector<std::string>& args);  // args after the command name; returns the exit code
};

std::vector<CliCommand>& cliCommands();

struct CliRegistrar {
    CliRegistrar(std::string name, std::string usage, int (*run)(const std::vector<std::string>&)) {
        cliCommands().push_back({std::move(name), std::move(usage), run});
    }
};

}  // namespace vardeck::cli
