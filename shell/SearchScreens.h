#pragma once
#include <functional>
#include <string>
#include <vector>

#include "devices/GprsModuleConfigurator.h"
#include "serial/PortDiscovery.h"
#include "shell/ComprtModel.h"
#include "shell/Form1Model.h"
#include "shell/Form8Model.h"
#include "shell/StartupModel.h"

namespace vardeck {

class CommChannel;
class Dialogs;
class DispatchTarget;
class ShellNavigator;

// Everything the start-up, search and port screens take from the world.
struct SearchEnvironment {
    int brand = 1;
    Dialogs* dialogs = nullptr;
    ShellNavigator* navigator = nullptr;
    DispatchTarget* dispatch = nullptr;
    std::function<std::string()> nowText;                      // write-permission probe
    std::function<bool(const std::string& path)> pictureLoads;  // brand 50's logo
    std::string logoPath;
    std::string startDir;
    std::function<std::vector<SerialDeviceEntry>()> listSerialDevices;
};

// The environment of the real program: this build's brand, the local clock, the
// JPEG decoder, the start directory and the system's USB serial devices.
SearchEnvironment programSearchEnvironment(Dialogs& dialogs, ShellNavigator& navigator,
                                           DispatchTarget& dispatch);

// The local date and time as "2024.03.09. 17:05:59".
std::string localDateTimeText();

// The USB adapters and CDC-ACM devices among `ports`, named by their kernel name
// and, where udev made one, their stable by-id name (kept for storing).
std::vector<SerialDeviceEntry> usbSerialDeviceEntries(const std::vector<DiscoveredPort>& ports);
// The same for the serial devices of this system.
std::vector<SerialDeviceEntry> systemUsbSerialDevices();

// The start-up, language, search and port screens, created together and wired to
// each other: the search view reports to Form1's search, and renames the port
// view's OK button by language. Form1 also configures the 8-input GPRS module; its
// logic works on Form1's controls and line.
class SearchScreens {
public:
    SearchScreens(CommChannel& searchChannel, CommChannel& portScanChannel, const SearchEnvironment& env);
    SearchScreens(const SearchScreens&) = delete;
    SearchScreens& operator=(const SearchScreens&) = delete;

    ComprtModel comprt;
    Form8Model form8;
    Form1Model form1;
    devices::GprsModuleConfigurator gprs;
    StartupModel startup;
    Form10Model form10;
};

}  // namespace vardeck
