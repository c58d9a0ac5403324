#include "shell/ComprtModel.h"

#include "serial/CommChannel.h"
#include "brand/Brand.h"
#include "shell/Dialogs.h"
#include "shell/SearchHost.h"
#include "settings/Settings.h"
#include "z4link/Frame.h"

namespace vardeck {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The port number of "COM" followed by decimal digits only, clamped to what the
// spin edit takes; 0 when the text is not of that form.
int comPortNumber(const std::string& text, int max) {
    if (!startsWith(text, "COM") || text.size() == 3) return 0;
    long number = 0;
    for (std::size_t i = 3; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return 0;
        if (number <= max) number = number * 10 + (c - '0');
    }
    return number > max ? max : static_cast<int>(number);
}

}  // namespace

ComprtModel::ComprtModel(CommChannel& channel, Environment env) : channel_(channel), env_(std::move(env)) {
    RadioGroup1.setCaption("COM port");
    ComboBox1.setCaption(kUsbListText);
    Timer1.onTimer = [this] { Timer1Timer(); };
    channel_.OnRxChar = [this](CommChannel&, int count) { AsynComm321RxChar(count); };
}

void ComprtModel::FormActivate() {
    entries_ = env_.listSerialDevices ? env_.listSerialDevices() : std::vector<SerialDeviceEntry>{};
    std::vector<std::string> names;
    for (const SerialDeviceEntry& entry : entries_) names.push_back(entry.name);
    ComboBox1.setItems(std::move(names));
    ComboBox1.setCaption(kUsbListText);

    const std::string& key = brandInfo(env_.brand).brandKey;
    std::string stored = ReadSetting(key, "comport");
    if (stored.empty()) {
        stored = "COM1";
        WriteSetting(key, "comport", stored);
    }
    showStoredChoice(stored);
}

void ComprtModel::showStoredChoice(const std::string& stored) {
    RadioGroup1.setItemIndex(-1);
    for (int i = 0; i < kOtherItem; ++i) {
        if (RadioGroup1.items()[static_cast<std::size_t>(i)] == stored) RadioGroup1.setItemIndex(i);
    }
    if (!startsWith(stored, kDevicePrefix)) return;

    const std::string name = stored.substr(std::string(kDevicePrefix).size());
    if (const int port = comPortNumber(name, SpinEdit1.maxValue()); port > 0) {
        RadioGroup1.setItemIndex(kOtherItem);
        SpinEdit1.setValue(port);
        return;
    }
    // A device name from the list (or a hand-edited value): no port number to show,
    // so the list shows the name, and its entry when the device is still there.
    ComboBox1.setCaption(name);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const SerialDeviceEntry& entry = entries_[i];
        if (entry.device == name || entry.name == name || (!entry.stablePath.empty() && entry.stablePath == name)) {
            ComboBox1.setItemIndex(static_cast<int>(i));
            ComboBox1.setCaption(entry.name);
            break;
        }
    }
}

std::string ComprtModel::storedForm(const SerialDeviceEntry& entry) {
    if (startsWith(entry.name, "COM")) return kDevicePrefix + entry.name;
    // Linux devices have no COM name. The by-id path names the adapter itself; the
    // kernel name (ttyUSB0) goes to whichever adapter was plugged in first.
    if (!entry.stablePath.empty()) return kDevicePrefix + entry.stablePath;
    if (!entry.device.empty()) return kDevicePrefix + entry.device;
    return {};
}

void ComprtModel::store(const std::string& value) {
    WriteSetting(brandInfo(env_.brand).brandKey, "comport", value);
}

void ComprtModel::endProgram() {
    Timer1.stop();
    channel_.Close();
    if (env_.navigator) env_.navigator->endProgram();
}

void ComprtModel::BitBtn1Click() {
    const int item = RadioGroup1.itemIndex();
    if (item >= 0 && item < kOtherItem) {
        store(RadioGroup1.itemText());
    } else if (item == kOtherItem) {
        store(std::string(kDevicePrefix) + "COM" + std::to_string(SpinEdit1.value()));
    } else if (!foundDevice_.empty()) {
        store(foundDevice_);  // the scan found the module on a listed device
    }
    endProgram();
}

void ComprtModel::BitBtn3Click() { endProgram(); }

void ComprtModel::ComboBox1Select(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return;
    const SerialDeviceEntry& entry = entries_[static_cast<std::size_t>(index)];
    ComboBox1.setItemIndex(index);
    ComboBox1.setCaption(entry.name);
    const std::string value = storedForm(entry);
    if (value.empty()) return;
    store(value);
    endProgram();
}

void ComprtModel::BitBtn2Click() {
    port_ = 1;
    step_ = 0;
    found_ = false;
    foundDevice_.clear();
    scanDevices_.clear();
    for (const SerialDeviceEntry& entry : entries_) {
        // Devices with a COM name are reached through the port numbers already.
        if (!startsWith(entry.name, "COM") && !storedForm(entry).empty()) scanDevices_.push_back(entry);
    }
    Timer1.start();
}

std::string ComprtModel::scanTarget() const {
    if (port_ <= kScanPorts) return std::string(kDevicePrefix) + "COM" + std::to_string(port_);
    return storedForm(scanDevices_[static_cast<std::size_t>(port_ - kScanPorts - 1)]);
}

void ComprtModel::scanFound() {
    Timer1.stop();
    if (port_ <= kScanPorts) {
        RadioGroup1.setItemIndex(kOtherItem);
        if (env_.dialogs) env_.dialogs->showMessage("Ready COM" + std::to_string(port_));
        return;
    }
    const SerialDeviceEntry& entry = scanDevices_[static_cast<std::size_t>(port_ - kScanPorts - 1)];
    foundDevice_ = storedForm(entry);
    RadioGroup1.setItemIndex(-1);
    ComboBox1.setCaption(entry.name);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].name == entry.name) ComboBox1.setItemIndex(static_cast<int>(i));
    }
    if (env_.dialogs) env_.dialogs->showMessage("Ready " + (entry.device.empty() ? entry.name : entry.device));
}

void ComprtModel::Timer1Timer() {
    switch (step_) {
        case 0:
            channel_.SetDeviceName(scanTarget());
            if (port_ <= kScanPorts) SpinEdit1.setValue(port_);
            channel_.Open();
            step_ = 1;
            break;
        case 1:
            channel_.Write(kIdentificationFrame.data(), static_cast<int>(kIdentificationFrame.size()));
            reply_.restart();
            step_ = 2;
            break;
        default:
            channel_.Close();
            step_ = 0;
            if (found_) {
                scanFound();
            } else {
                port_ = port_ % (kScanPorts + static_cast<int>(scanDevices_.size())) + 1;
            }
            break;
    }
}

void ComprtModel::AsynComm321RxChar(int count) {
    if (!reply_.collect(channel_, count)) return;
    if (!frameIsValid(reply_.bytes())) {
        reply_.restart();
        return;
    }
    const int code = reply_[3];
    if (code >= 11 && code <= 253) found_ = true;
}

}  // namespace vardeck
