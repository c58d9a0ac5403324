#pragma once
#include <functional>
#include <string>

namespace vardeck {

// Port names as the settings store and the screens keep them, and the device
// they open on this system. The stored forms stay exactly as given; only Open
// turns them into a path:
//
//   "COM3", "com3"          COM port 3
//   "\\.\COM12"             COM port 12 (any number from 1 up)
//   "\\.\ttyUSB0"           /dev/ttyUSB0   (a name below /dev)
//   "\\.\/dev/ttyACM0"      /dev/ttyACM0   (an absolute path after the prefix)
//   "/dev/pts/5"            /dev/pts/5     (absolute paths stand for themselves)
//   "ttyUSB0"               /dev/ttyUSB0   (any other name lives below /dev)
//   ""                      nothing: opening it fails with "no such device"
//
// COM port n is whatever the COM port table installed by the program says, and
// /dev/ttyS(n-1) when the table has no entry for it (or no table is installed).
// ("\\.\" is the four characters backslash, backslash, dot, backslash.)

// Turns COM port numbers into device paths; an empty result means "use the default".
using ComPortResolver = std::function<std::string(int portNumber)>;

// Installs the COM port table for the whole process; call it once at start,
// before any channel opens. An empty function restores the default mapping.
void setComPortTable(ComPortResolver resolver);

// The device of COM port n (n >= 1): the table's entry or /dev/ttyS(n-1).
std::string comPortDevice(int portNumber);

// The COM port number a name stands for ("COM3" -> 3, "\\.\COM12" -> 12),
// 0 when the name is not a COM port name.
int comPortNumber(const std::string& name);

// The path Open uses for a stored port name; empty when the name stands for nothing.
std::string devicePathFor(const std::string& name);

}  // namespace vardeck
