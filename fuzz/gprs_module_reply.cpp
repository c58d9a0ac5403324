// The GPRS module's screen (code 30) on a channel of its own: its receive handler
// while it reads and writes both memory areas, fed whatever the module sends, in
// pieces of any size, with its send timer running in between; the installer may
// press read or write or change a field at any time.
//
// Input: a script of steps (DeviceScreenMachine.h).
#include "fuzz/DeviceScreenMachine.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    fuzz::ScreenMachine m(30, {});
    m.screen->handOver();
    m.run(in);
    return 0;
}
