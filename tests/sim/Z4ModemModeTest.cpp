// The Z-4 module's GSM modem mode in-process: the FD frame hands the line to the
// modem, and only the leave and restart frames inside the byte stream take it back.
#include "sim/Z4FamilyModel.h"
#include "Z4Commands.h"

#include <gtest/gtest.h>

using namespace vardeck::sim;
using namespace vardeck::sim::z4test;
using namespace std::chrono_literals;

namespace {

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes gsmModemMode(uint8_t imageByte) { return frame(0x00, 0xFD, 0x00, imageByte); }

}  // namespace

TEST(Z4ModemMode, FdHandsTheLineToTheModemUntilTheLeaveFrameInTheStream) {
    Z4FamilyModel module(71);
    module.receive(gsmModemMode(0x5A), 0ms);
    EXPECT_EQ(sent(module), frame(0xAB, 0xAC, 0x00, 0x00));
    EXPECT_TRUE(module.inModemMode());

    module.receive(text("AT\r"), 10ms);
    EXPECT_EQ(sent(module), text("AT\r"));
    // The modem's answer comes with the time the model is given.
    ASSERT_TRUE(module.nextWakeup());
    module.advanceTo(*module.nextWakeup());
    EXPECT_EQ(sent(module), text("\r\nOK\r\n"));

    // One piece of input: text for the modem, the leave frame, the closing
    // frame, and a byte read that is a frame again.
    module.receive(text("AT+CG") + leaveMode() + closingFrame() + byteRead(0x00FE), 200ms);
    EXPECT_EQ(sent(module), text("AT+CG") + frame(0xAB, 0xAC, 0x00, 0x00) + frame(0xAB, 0x00, 0xFE, 43));
    EXPECT_FALSE(module.inModemMode());
    // The unfinished line went with the mode: nothing more comes from the modem.
    module.advanceTo(10s);
    EXPECT_TRUE(sent(module).empty());
    EXPECT_EQ(module.gsmModem().receivedLines(), std::vector<Bytes>{text("AT\r")});
    EXPECT_EQ(module.counters().modemEntered, 1u);
    EXPECT_EQ(module.counters().modemLeft, 1u);
    EXPECT_EQ(module.counters().closingFrames, 1u);
    EXPECT_EQ(module.counters().modemBytesPassed, 8u);
}

TEST(Z4ModemMode, OnlyWholeLeaveAndRestartFramesEndTheMode) {
    Z4FamilyModel module(71);
    module.receive(gsmModemMode(0x00), 0ms);
    sent(module);

    // The start of a leave frame that goes on differently belongs to the modem;
    // so does a repeated FD frame.
    const Bytes leave = leaveMode();
    const Bytes almost(leave.begin(), leave.begin() + 3);
    module.receive(almost + gsmModemMode(0x00) + text("AT\r"), 1s);
    EXPECT_EQ(sent(module), almost + gsmModemMode(0x00) + text("AT\r"));
    module.advanceTo(2s);
    EXPECT_EQ(sent(module), text("\r\nOK\r\n"));
    EXPECT_TRUE(module.inModemMode());

    // A leave frame split over two reads still ends the mode.
    module.receive(Bytes(leave.begin(), leave.begin() + 4), 3s);
    EXPECT_TRUE(sent(module).empty());
    module.receive(Bytes(leave.begin() + 4, leave.end()), 3s + 5ms);
    EXPECT_EQ(sent(module), frame(0xAB, 0xAC, 0x00, 0x00));
    EXPECT_FALSE(module.inModemMode());

    // A restart ends the mode too, and the module goes quiet.
    module.receive(gsmModemMode(0x00), 4s);
    sent(module);
    module.receive(text("AT") + restart() + byteRead(0x00FE), 5s);
    EXPECT_EQ(sent(module), text("AT"));
    EXPECT_FALSE(module.inModemMode());
    EXPECT_TRUE(module.restarting());
    EXPECT_EQ(module.counters().restarts, 1u);
    EXPECT_EQ(module.counters().modemLeft, 2u);
}
