// The converter's screen (code 50): its receive handler in the version question, the
// read, the read before a first write, the write and the one-frame commands, fed
// whatever the converter sends, in pieces of any size, with its send timer running in
// between; the installer may press any button or change a field at any time.
//
// Input: a script of steps (DeviceScreenMachine.h).
#include "fuzz/DeviceScreenMachine.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    fuzz::ScreenMachine m(50, {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "Button1", "elnetmode1", "GSMRoute1",
                               "Verzi1", "Leirs1"});
    m.screen->handOver();
    m.run(in);
    return 0;
}
