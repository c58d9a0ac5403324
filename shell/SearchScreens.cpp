#include "shell/SearchScreens.h"

#include <ctime>

#include "serial/PortDiscovery.h"
#include "brand/Brand.h"
#include "brand/JpegLogo.h"
#include "settings/DataFolders.h"
#include "settings/StartDir.h"

namespace vardeck {
namespace {

Form8Model::Environment searchViewEnvironment(const SearchEnvironment& env) {
    return {env.brand, env.dialogs, env.navigator, env.nowText, env.pictureLoads, env.logoPath};
}

std::string lastPathPart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

SearchScreens::SearchScreens(CommChannel& searchChannel, CommChannel& portScanChannel,
                             const SearchEnvironment& env)
    : comprt(portScanChannel, {env.brand, env.dialogs, env.navigator, env.listSerialDevices}),
      form8(searchViewEnvironment(env)),
      form1(searchChannel, form8,
            {env.brand, env.navigator, env.dispatch, env.startDir, [this] { return startup.languageQuestionOpen(); }}),
      gprs(form1.gprs, form1),
      startup(*env.navigator, env.brand),
      form10(startup, *env.navigator, env.brand) {
    form8.attachPortView(comprt);
    form1.attachGprsModule(gprs);
}

std::string localDateTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y.%m.%d. %H:%M:%S", &local);
    return text;
}

std::vector<SerialDeviceEntry> usbSerialDeviceEntries(const std::vector<DiscoveredPort>& ports) {
    std::vector<SerialDeviceEntry> entries;
    for (const DiscoveredPort& port : ports) {
        if (!port.usb) continue;
        std::string name = port.kernelName;
        if (!port.stablePath.empty()) name += " (" + lastPathPart(port.stablePath) + ")";
        entries.push_back({name, port.kernelName, port.stablePath});
    }
    return entries;
}

std::vector<SerialDeviceEntry> systemUsbSerialDevices() { return usbSerialDeviceEntries(discoverSerialPorts()); }

SearchEnvironment programSearchEnvironment(Dialogs& dialogs, ShellNavigator& navigator,
                                           DispatchTarget& dispatch) {
    SearchEnvironment env;
    env.brand = brandCode();
    env.dialogs = &dialogs;
    env.navigator = &navigator;
    env.dispatch = &dispatch;
    env.nowText = localDateTimeText;
    env.pictureLoads = [](const std::string& path) { return decodeJpegFile(path).has_value(); };
    env.logoPath = withInstalledDefault(startDirFile("\\logo.jpg"));
    env.startDir = startDir();
    env.listSerialDevices = systemUsbSerialDevices;
    return env;
}

}  // namespace vardeck
