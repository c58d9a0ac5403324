#include <gtest/gtest.h>

#include "serial/PortNames.h"
#include "tests/shell/SearchTestSupport.h"

namespace vardeck {
namespace {

using testing::identificationReply;
using testing::SearchRig;

const std::string kPrefix = "\\\\.\\";

TEST(ComprtPortView, ActivationShowsTheStoredChoice) {
    SearchRig rig;
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.stored("comport"), "COM1");
    EXPECT_EQ(rig.comprt().RadioGroup1.itemIndex(), 0);

    rig.store("comport", "COM3");
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().RadioGroup1.itemIndex(), 2);

    rig.store("comport", kPrefix + "COM12");
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().RadioGroup1.itemIndex(), ComprtModel::kOtherItem);
    EXPECT_EQ(rig.comprt().SpinEdit1.value(), 12);

    rig.store("comport", kPrefix + "COM99999999999");
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().SpinEdit1.value(), 512);

    rig.store("comport", "com3");  // not one of the items as written
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().RadioGroup1.itemIndex(), -1);
}

TEST(ComprtPortView, UsbEntryWithComNameIsStoredAndShownAsOther) {
    SearchRig rig;
    rig.usbDevices = {{"COM5", "COM5", ""}};
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().ComboBox1.items(), (std::vector<std::string>{"COM5"}));
    rig.comprt().ComboBox1Select(0);
    EXPECT_EQ(rig.stored("comport"), kPrefix + "COM5");
    EXPECT_EQ(rig.host.calls.back(), "endProgram");
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().RadioGroup1.itemIndex(), ComprtModel::kOtherItem);
    EXPECT_EQ(rig.comprt().SpinEdit1.value(), 5);
}

const std::string kById = "/dev/serial/by-id/usb-FTDI_FT232R_A5-if00-port0";

// An FTDI adapter with a by-id link, a CDC-ACM device without one, and a real UART.
std::vector<SerialDeviceEntry> discoveredAdapters() {
    return usbSerialDeviceEntries({{"ttyUSB0", "/dev/ttyUSB0", kById, true},
                                   {"ttyACM0", "/dev/ttyACM0", "", true},
                                   {"ttyS0", "/dev/ttyS0", "", false}});
}

TEST(ComprtPortView, LinuxUsbDeviceIsStoredByItsStableNameWhenItHasOne) {
    SearchRig rig;
    rig.usbDevices = discoveredAdapters();
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().ComboBox1.items(),
              (std::vector<std::string>{"ttyUSB0 (usb-FTDI_FT232R_A5-if00-port0)", "ttyACM0"}));
    rig.comprt().ComboBox1Select(0);
    EXPECT_EQ(rig.stored("comport"), kPrefix + kById);
    EXPECT_EQ(devicePathFor(rig.stored("comport")), kById);
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().RadioGroup1.itemIndex(), -1);
    EXPECT_EQ(rig.comprt().ComboBox1.itemIndex(), 0);
    EXPECT_EQ(rig.comprt().ComboBox1.caption(), "ttyUSB0 (usb-FTDI_FT232R_A5-if00-port0)");

    rig.comprt().ComboBox1Select(1);  // no by-id link: the kernel name
    EXPECT_EQ(rig.stored("comport"), kPrefix + "ttyACM0");

    rig.store("comport", kPrefix + "ttyUSB0");  // stored by earlier versions: still found
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().ComboBox1.itemIndex(), 0);

    rig.usbDevices.clear();  // unplugged: the stored name is still shown
    rig.store("comport", kPrefix + kById);
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().ComboBox1.itemIndex(), -1);
    EXPECT_EQ(rig.comprt().ComboBox1.caption(), kById);
    const int calls = static_cast<int>(rig.host.calls.size());
    rig.comprt().ComboBox1Select(3);  // no such entry
    EXPECT_EQ(static_cast<int>(rig.host.calls.size()), calls);
    rig.store("comport", "COM3");
    rig.comprt().FormActivate();
    EXPECT_EQ(rig.comprt().ComboBox1.caption(), "USB kereso");
}

TEST(ComprtPortView, AcceptAndCancel) {
    SearchRig rig;
    rig.store("comport", "COM2");
    rig.comprt().FormActivate();
    rig.comprt().RadioGroup1.setItemIndex(7);
    rig.comprt().BitBtn1Click();
    EXPECT_EQ(rig.stored("comport"), "COM8");
    rig.comprt().RadioGroup1.setItemIndex(ComprtModel::kOtherItem);
    rig.comprt().SpinEdit1.setValue(17);
    rig.comprt().BitBtn1Click();
    EXPECT_EQ(rig.stored("comport"), kPrefix + "COM17");
    rig.comprt().RadioGroup1.setItemIndex(-1);
    rig.comprt().BitBtn1Click();
    EXPECT_EQ(rig.stored("comport"), kPrefix + "COM17");
    rig.comprt().RadioGroup1.setItemIndex(0);
    rig.comprt().BitBtn3Click();
    EXPECT_EQ(rig.stored("comport"), kPrefix + "COM17");
    EXPECT_EQ(rig.host.count("endProgram"), 4);
}

// Runs the scan tick by tick; the module on `device` (a stored port name) answers with `code`.
void scanWithModuleOn(SearchRig& rig, const std::string& device, int code, int ticks) {
    for (int i = 0; i < ticks && rig.comprt().Timer1.enabled(); ++i) {
        const std::size_t writes = rig.portChannel.writes.size();
        rig.clock.advance(80);
        if (rig.portChannel.writes.size() > writes && rig.portChannel.DeviceName() == device) {
            rig.portChannel.deliver(identificationReply(code));
        }
    }
}

TEST(ComprtPortView, ScanFindsTheModuleOnPort4) {
    SearchRig rig;
    rig.comprt().FormActivate();
    rig.comprt().BitBtn2Click();
    scanWithModuleOn(rig, kPrefix + "COM4", 71, 100);
    EXPECT_FALSE(rig.comprt().Timer1.enabled());
    EXPECT_EQ(rig.clock.now(), 12 * 80);  // three ticks a port, found on the close of port 4
    EXPECT_EQ(rig.host.calls.back(), "message Ready COM4");
    EXPECT_EQ(rig.comprt().RadioGroup1.itemIndex(), ComprtModel::kOtherItem);
    EXPECT_EQ(rig.comprt().SpinEdit1.value(), 4);
    EXPECT_FALSE(rig.portChannel.IsOpen());
    EXPECT_EQ(rig.stored("comport"), "COM1");  // the scan stores nothing by itself
    rig.comprt().BitBtn1Click();
    EXPECT_EQ(rig.stored("comport"), kPrefix + "COM4");
}

TEST(ComprtPortView, ScanGoesOnToTheListedUsbDevicesAfterPort32) {
    SearchRig rig;
    rig.usbDevices = discoveredAdapters();
    rig.comprt().FormActivate();
    rig.comprt().BitBtn2Click();
    scanWithModuleOn(rig, kPrefix + "ttyACM0", 71, 200);
    EXPECT_FALSE(rig.comprt().Timer1.enabled());
    ASSERT_EQ(rig.portChannel.openedNames.size(), 34u);
    EXPECT_EQ(rig.portChannel.openedNames[31], kPrefix + "COM32");
    EXPECT_EQ(rig.portChannel.openedNames[32], kPrefix + kById);
    EXPECT_EQ(rig.host.calls.back(), "message Ready ttyACM0");
    EXPECT_EQ(rig.comprt().RadioGroup1.itemIndex(), -1);
    EXPECT_EQ(rig.comprt().ComboBox1.itemIndex(), 1);
    rig.comprt().BitBtn1Click();
    EXPECT_EQ(rig.stored("comport"), kPrefix + "ttyACM0");
}

TEST(ComprtPortView, CodesOutsideTheDeviceRangeDoNotStopTheScan) {
    for (int code : {10, 254}) {
        SearchRig rig;
        rig.comprt().BitBtn2Click();
        scanWithModuleOn(rig, kPrefix + "COM2", code, 3 * 33);
        EXPECT_TRUE(rig.comprt().Timer1.enabled()) << code;
        EXPECT_FALSE(rig.comprt().moduleFound()) << code;
        // 33 ports' worth of ticks: the scan went past 32 and started again at 1.
        EXPECT_EQ(rig.comprt().scanPort(), 2) << code;
        EXPECT_EQ(rig.portChannel.openedNames[32], kPrefix + "COM1") << code;
    }
}

TEST(ComprtPortView, ScanIgnoresABadChecksum) {
    SearchRig rig;
    rig.comprt().BitBtn2Click();
    rig.clock.advance(160);
    std::vector<uint8_t> reply = identificationReply(71);
    reply[4] ^= 1;
    rig.portChannel.deliver(reply);
    EXPECT_FALSE(rig.comprt().moduleFound());
    rig.portChannel.deliver(identificationReply(71));  // the count restarted at 0
    EXPECT_TRUE(rig.comprt().moduleFound());
}

}  // namespace
}  // namespace vardeck
