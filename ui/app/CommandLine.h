#pragma once
#include <QStringList>

#include <optional>
#include <string>

namespace vardeck::ui {

// The program's command line (after Qt has taken its own options):
//   vardeck [--port DEVICE] [--user-data] | --help | --version
// --port names the serial device for this run only (the stored "comport" stays as
// it is); DEVICE takes every form a stored port name takes ("COM3", "/dev/ttyUSB0").
// --user-data makes the user's data folder the start directory (the desktop menu
// starts the program so).
struct CommandLine {
    std::string port;
    bool userData = false;
    bool help = false;
    bool version = false;
};

inline constexpr const char* kCommandLineUsage =
    "usage: vardeck [--port DEVICE] [--user-data]\n"
    "       vardeck --help | --version\n"
    "  --port DEVICE   look for the device on DEVICE (COM3, /dev/ttyUSB0, ...) in this run;\n"
    "                  the port chosen in the program's port view stays stored as it is\n"
    "  --user-data     work in the user's data folder ($XDG_DATA_HOME/vardeck, by default\n"
    "                  ~/.local/share/vardeck; created when missing) instead of the current\n"
    "                  folder: custom.dat, contact.txt and logo.jpg are looked for there\n"
    "  --version       print the program version and the brand code\n";

// Nothing, with a one-line reason in error, for arguments it does not know.
std::optional<CommandLine> parseCommandLine(const QStringList& arguments, std::string& error);

}  // namespace vardeck::ui
