#include "serial/LineSettings.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vardeck {
namespace {

termios applied(const LineSettings& s) {
    termios t{};
    t.c_iflag = ICRNL | IXON | IXANY;
    t.c_lflag = ICANON | ECHO | ISIG;
    t.c_oflag = OPOST;
    makeRaw(t);
    for (auto item : {LineItem::BaudRate, LineItem::Parity, LineItem::Stopbits, LineItem::Databits,
                      LineItem::FlowControl, LineItem::XonXoff, LineItem::Options})
        EXPECT_EQ(setLineItem(t, s, item), 0);
    return t;
}

TEST(LineSettings, DefaultsGiveARawEightNoneOneLine) {
    termios t = applied(LineSettings{});
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    // fcDefault still switches XON/XOFF off: 0x11 and 0x13 are data in binary frames.
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | IXANY | ICRNL), 0u);
    EXPECT_NE(t.c_cflag & CLOCAL, 0u);
}

TEST(LineSettings, ParityStopDataAndHandshakeMapToTermios) {
    LineSettings s;
    s.parity = paMark;
    s.stopbits = sb20;
    s.databits = da7;
    s.flowControl = fcSoftware;
    s.xonChar = 'Q';
    s.xoffChar = 'S';
    s.options = {osParityCheck};
    termios t = applied(s);
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD | CMSPAR), tcflag_t(PARENB | PARODD | CMSPAR));
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS7));
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), tcflag_t(IXON | IXOFF));
    EXPECT_EQ(t.c_cc[VSTART], 'Q');
    EXPECT_EQ(t.c_cc[VSTOP], 'S');
    EXPECT_NE(t.c_iflag & INPCK, 0u);

    s.flowControl = fcCTS;
    s.parity = paSpace;
    t = applied(s);
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_iflag & IXON, 0u);
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD | CMSPAR), tcflag_t(PARENB | CMSPAR));
}

TEST(LineSettings, FourDataBitsAndOneAndAHalfStopBitsAreRefusedWithoutChange) {
    termios t = applied(LineSettings{});
    const termios before = t;
    LineSettings s;
    s.databits = da4;
    EXPECT_EQ(setLineItem(t, s, LineItem::Databits), EINVAL);
    EXPECT_EQ(checkLineSettings(s), EINVAL);
    s = LineSettings{};
    s.stopbits = sb15;
    EXPECT_EQ(setLineItem(t, s, LineItem::Stopbits), EINVAL);
    EXPECT_EQ(checkLineSettings(s), EINVAL);
    EXPECT_EQ(t.c_cflag, before.c_cflag);
}

}  // namespace
}  // namespace vardeck
