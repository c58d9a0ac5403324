#pragma once
#include <string>

namespace vardeck {

// A sentence for the log or a message box that says why a port did not open and
// what to do about it. `error` is the code OnOpen reported (an errno), `portName`
// the DeviceName as stored ("COM3", "\\.\ttyUSB0"); the text names the device
// path behind it. Empty for 0.
std::string describeOpenError(int error, const std::string& portName);

}  // namespace vardeck
