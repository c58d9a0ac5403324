#pragma once
#include <functional>
#include <string>
#include <vector>

#include "shell/SearchControls.h"
#include "z4link/SixByteCollector.h"

namespace vardeck {

class CommChannel;
class Dialogs;
class ShellNavigator;

// One entry of the USB serial device list.
struct SerialDeviceEntry {
    std::string name;        // shown in the list: "COM5", "ttyUSB0 (usb-FTDI_...)"
    std::string device;      // the kernel name when the name is no "COM" name: "ttyUSB0"
    std::string stablePath;  // "/dev/serial/by-id/usb-FTDI_..." when udev made one, else empty
};

// The port selection view comprt. Every way out of it ends the program; the choice
// is stored as "comport" and used at the next start. Forms of the stored value:
// "COM1".."COM8", "\\.\COM" + port number, and for a device from the list
// "\\.\" + its stable by-id path (it survives re-plugging adapters in another
// order), or "\\.\" + its kernel name when it has no by-id link.
//
// The port scan tries COM ports 1..32 through the port table, then every device
// of the list that has no COM name, then starts again at port 1.
class ComprtModel : public controls::ControlOwner {
public:
    struct Environment {
        int brand = 1;
        Dialogs* dialogs = nullptr;
        ShellNavigator* navigator = nullptr;
        std::function<std::vector<SerialDeviceEntry>()> listSerialDevices;
    };

    // The four characters backslash, backslash, dot, backslash.
    static constexpr const char* kDevicePrefix = "\\\\.\\";
    static constexpr const char* kUsbListText = "USB kereso";  // the list's text with nothing chosen
    static constexpr int kOtherItem = 8;                      // "Egyéb:"
    static constexpr int kScanPorts = 32;

    ComprtModel(CommChannel& channel, Environment env);

    // --- Events ------------------------------------------------------------------
    void FormActivate();
    void BitBtn1Click();  // accept: store the choice, end the program
    void BitBtn2Click();  // start the port scan
    void BitBtn3Click();  // cancel: end the program
    // An entry of the USB list was chosen.
    void ComboBox1Select(int index);
    void Timer1Timer();
    void AsynComm321RxChar(int count);

    // --- Scan state --------------------------------------------------------------
    int scanPort() const { return port_; }
    int scanStep() const { return step_; }
    bool moduleFound() const { return found_; }
    const std::vector<SerialDeviceEntry>& deviceEntries() const { return entries_; }

    // The stored form of a list entry: "\\.\" + its COM name, by-id path or kernel
    // name, in that order of preference; empty when the entry names no device.
    static std::string storedForm(const SerialDeviceEntry& entry);
    // --- Controls ----------------------------------------------------------------
    controls::Form& comprt = registry_.add<controls::Form>("comprt", "COM port");
    // A radio group: the items are its choices.
    controls::ComboBox& RadioGroup1 = registry_.add<controls::ComboBox>(
        "RadioGroup1",
        std::vector<std::string>{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "Egyéb:"});
    controls::SpinEdit& SpinEdit1 = registry_.add<controls::SpinEdit>("SpinEdit1", 1, 512, 1);
    // The USB list shows its own text while nothing of it is chosen.
    controls::ComboBox& ComboBox1 = registry_.add<controls::ComboBox>("ComboBox1", std::vector<std::string>{});
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Rendben (kilép)");
    controls::Button& BitBtn2 = registry_.add<controls::Button>("BitBtn2", "COM port auto detect");
    controls::Button& BitBtn3 = registry_.add<controls::Button>("BitBtn3", "Mégse");
    controls::ModelTimer& Timer1 = timers_.add("Timer1", 80);

private:
    void showStoredChoice(const std::string& stored);
    void store(const std::string& value);
    void endProgram();
    // The port the scan is on: "\\.\COMn" for ports 1..32, then the listed devices.
    std::string scanTarget() const;
    void scanFound();

    CommChannel& channel_;
    Environment env_;
    std::vector<SerialDeviceEntry> entries_;
    // The listed devices the scan tries after the COM ports, fixed when the scan starts.
    std::vector<SerialDeviceEntry> scanDevices_;
    // What the scan found on a listed device; the accept button stores it.
    std::string foundDevice_;
    SixByteCollector reply_;
    int port_ = 1;
    int step_ = 0;
    bool found_ = false;
};

}  // namespace vardeck
