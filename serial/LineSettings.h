#pragma once
#include "serial/CommTypes.h"

#include <termios.h>

namespace vardeck {

// The line settings of a channel, as its properties hold them.
struct LineSettings {
    TBaudRate baudRate = cbr9600;
    TParity parity = paNone;
    TStopbits stopbits = sb10;
    TDatabits databits = da8;
    TFlowControl flowControl = fcDefault;
    char xonChar = 17;
    char xoffChar = 19;
    TAsynComm32Options options;
};

// One item of the line settings, as a setter changes it on an open device.
enum class LineItem { BaudRate, Parity, Stopbits, Databits, FlowControl, XonXoff, Options };

// How the settings map onto a POSIX terminal:
// - The line is always raw and binary: no echo, no line editing, no signals, no
//   CR/LF translation, receiver on, modem lines do not hang the port up (CLOCAL).
// - 4 data bits and 1.5 stop bits do not exist on POSIX terminals: refused with EINVAL.
// - Mark and space parity use CMSPAR.
// - fcNone: no handshake, DTR and RTS raised (RTS cannot toggle around each send on
//   a plain terminal, so it stays raised). fcCTS: RTS/CTS handshake (CRTSCTS), DTR
//   raised. fcDTR: POSIX has no DTR/DSR handshake; both lines raised, no handshake.
//   fcSoftware: XON/XOFF both ways with XonChar and XoffChar, DTR and RTS raised.
//   fcDefault: the device's RTS/CTS handshake and its modem lines are left as they
//   are; XON/XOFF is switched off all the same, because a terminal's default XON/XOFF
//   would swallow the bytes 0x11 and 0x13 of binary frames.
// - osParityCheck: received bytes are parity-checked (INPCK); a byte with a parity
//   error arrives as 0 (the error character), so osErrorChar has nothing to add.
//   osNullStrip is applied by the channel when it reads. osDsrSensitivity and
//   osIgnoreXOff have no counterpart on a POSIX terminal and change nothing.

// EINVAL when the settings ask for something a POSIX terminal cannot do, else 0.
int checkLineSettings(const LineSettings& settings);

// Changes one item in a terminal settings record. Returns 0 or EINVAL (record unchanged).
int setLineItem(termios& t, const LineSettings& settings, LineItem item);

// Makes a settings record raw and binary (see above), keeping speed and handshake.
void makeRaw(termios& t);

// Applies every setting to an open terminal in raw mode. Returns 0 or an errno.
int applyLineSettings(int fd, const LineSettings& settings);

// Reads the terminal's current settings, changes one item and writes them back.
// Returns 0 or an errno; on EINVAL the device is left unchanged.
int updateLineSetting(int fd, const LineSettings& settings, LineItem item);

}  // namespace vardeck
