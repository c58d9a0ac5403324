#pragma once
#include <QStringList>

#include <optional>
#include <string>

namespace vardeck::ui {

// The program's command line (after Qt has taken its own options):
//   vardeck [--port DEVICE]
// --port names the serial device for this run only (the stored "comport" stays as
// it is); DEVICE takes every form a stored port name takes ("COM3", "/dev/ttyUSB0").
struct CommandLine {
    std::string port;
    bool help = false;
};

inline constexpr const char* kCommandLineUsage =
    "usage: vardeck [--port DEVICE]\n"
    "  --port DEVICE   look for the device on DEVICE (COM3, /dev/ttyUSB0, ...) in this run;\n"
    "                  the port chosen in the program's port view stays stored as it is\n";

// Nothing, with a one-line reason in error, for arguments it does not know.
std::optional<CommandLine> parseCommandLine(const QStringList& arguments, std::string& error);

}  // namespace vardeck::ui
