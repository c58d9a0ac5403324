#pragma once
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace vardeck::testing {

struct CliRun {
    int exitCode = -1;
    std::string out;
};

// Runs vardeck-cli with the arguments and takes its standard output; standard error
// goes to the test log.
inline CliRun cli(const std::string& args) {
    CliRun r;
    FILE* pipe = ::popen((std::string(VARDECK_CLI_PATH) + " " + args).c_str(), "r");
    if (pipe == nullptr) return r;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) r.out += buffer;
    const int status = ::pclose(pipe);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace vardeck::testing
