#include "serial/LineSettings.h"

#include "serial/LineSpeed.h"

#include <sys/ioctl.h>

#include <cerrno>

namespace vardeck {
namespace {

constexpr LineItem kAllItems[] = {LineItem::BaudRate,    LineItem::Parity,  LineItem::Stopbits,
                                  LineItem::Databits,    LineItem::FlowControl, LineItem::XonXoff,
                                  LineItem::Options};

// The B-constant of a speed, or B0 when <termios.h> has none for it.
speed_t speedConstant(TBaudRate rate) {
    switch (rate) {
    case cbr110: return B110;
    case cbr300: return B300;
    case cbr600: return B600;
    case cbr1200: return B1200;
    case cbr2400: return B2400;
    case cbr4800: return B4800;
    case cbr9600: return B9600;
    case cbr19200: return B19200;
    case cbr38400: return B38400;
    case cbr57600: return B57600;
    case cbr115200: return B115200;
    default: return B0;  // 14400, 56000, 128000, 256000: set by number
    }
}

void setParity(termios& t, TParity parity) {
    t.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    switch (parity) {
    case paNone: break;
    case paOdd: t.c_cflag |= PARENB | PARODD; break;
    case paEven: t.c_cflag |= PARENB; break;
    case paMark: t.c_cflag |= PARENB | CMSPAR | PARODD; break;
    case paSpace: t.c_cflag |= PARENB | CMSPAR; break;
    }
}

int setDatabits(termios& t, TDatabits bits) {
    tcflag_t size;
    switch (bits) {
    case da5: size = CS5; break;
    case da6: size = CS6; break;
    case da7: size = CS7; break;
    case da8: size = CS8; break;
    default: return EINVAL;
    }
    t.c_cflag = (t.c_cflag & ~CSIZE) | size;
    return 0;
}

int setStopbits(termios& t, TStopbits bits) {
    if (bits == sb10) t.c_cflag &= ~CSTOPB;
    else if (bits == sb20) t.c_cflag |= CSTOPB;
    else return EINVAL;
    return 0;
}

void setFlowControl(termios& t, TFlowControl flow) {
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (flow == fcDefault) return;
    t.c_cflag &= ~CRTSCTS;
    if (flow == fcCTS) t.c_cflag |= CRTSCTS;
    if (flow == fcSoftware) t.c_iflag |= IXON | IXOFF;
}

// Raises DTR and RTS for every handshake but fcDefault. Pseudo-terminals and some
// adapters refuse modem-line calls; that is no reason to fail.
void raiseControlLines(int fd, TFlowControl flow) {
    if (flow == fcDefault) return;
    int lines = TIOCM_DTR | TIOCM_RTS;
    (void)ioctl(fd, TIOCMBIS, &lines);
}

// Writes a settings record; speeds without a B-constant go through termios2 afterwards.
int writeSettings(int fd, const termios& t, const LineSettings& settings, bool speedChanged) {
    if (tcsetattr(fd, TCSANOW, &t) != 0) return errno;
    if (speedChanged && speedConstant(settings.baudRate) == B0)
        return setLineSpeed(fd, baudRateValue(settings.baudRate));
    return 0;
}

}  // namespace

int checkLineSettings(const LineSettings& settings) {
    if (settings.databits == da4 || settings.stopbits == sb15) return EINVAL;
    return 0;
}

int setLineItem(termios& t, const LineSettings& settings, LineItem item) {
    switch (item) {
    case LineItem::BaudRate:
        if (speed_t s = speedConstant(settings.baudRate); s != B0) cfsetspeed(&t, s);
        return 0;
    case LineItem::Parity:
        setParity(t, settings.parity);
        return 0;
    case LineItem::Stopbits:
        return setStopbits(t, settings.stopbits);
    case LineItem::Databits:
        return setDatabits(t, settings.databits);
    case LineItem::FlowControl:
        setFlowControl(t, settings.flowControl);
        return 0;
    case LineItem::XonXoff:
        t.c_cc[VSTART] = static_cast<cc_t>(settings.xonChar);
        t.c_cc[VSTOP] = static_cast<cc_t>(settings.xoffChar);
        return 0;
    case LineItem::Options:
        t.c_iflag &= ~(INPCK | IGNPAR | PARMRK);
        if (settings.options.contains(osParityCheck)) t.c_iflag |= INPCK;
        return 0;
    }
    return EINVAL;
}

void makeRaw(termios& t) {
    t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IUCLC | IXON | IXOFF | IXANY |
                   IMAXBEL);
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~(CSIZE | PARENB);
    t.c_cflag |= CS8 | CREAD | CLOCAL;
    // Read returns as soon as one byte is there; with a non-blocking descriptor a
    // read of 0 then only ever means hang-up.
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
}

int applyLineSettings(int fd, const LineSettings& settings) {
    if (int e = checkLineSettings(settings); e != 0) return e;
    termios t{};
    if (tcgetattr(fd, &t) != 0) return errno;
    makeRaw(t);
    for (LineItem item : kAllItems) {
        if (int e = setLineItem(t, settings, item); e != 0) return e;
    }
    if (int e = writeSettings(fd, t, settings, true); e != 0) return e;
    raiseControlLines(fd, settings.flowControl);
    return 0;
}

int updateLineSetting(int fd, const LineSettings& settings, LineItem item) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return errno;
    if (int e = setLineItem(t, settings, item); e != 0) return e;
    if (int e = writeSettings(fd, t, settings, item == LineItem::BaudRate); e != 0) return e;
    if (item == LineItem::FlowControl) raiseControlLines(fd, settings.flowControl);
    return 0;
}

}  // namespace vardeck
