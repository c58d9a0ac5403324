#pragma once
#include <string>

namespace vardeck {

// The user's table of which Linux device stands behind a COM port number. It lives
// in the settings store under the brand key's subkey "ports", one value a port:
//   [\software\GSM\TRIX\ports]
//   COM3=/dev/ttyUSB0
//   COM4=serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0
// A value without a "/" at the start names a device below /dev/.

std::string portTableKey();  // brand key + "\ports"

// The device the table gives for port n ("COMn"); empty when the table has no
// entry for it (or n is not a port number), so the serial layer's default applies.
std::string comPortDeviceFromTable(int portNumber);

// Makes the serial layer resolve COM port numbers through this table (it falls back
// to its own default, /dev/ttyS(n-1), where the table has no entry). Called once at
// start, before any channel opens; the table is read afresh at every open.
void installComPortTable();

}  // namespace vardeck
