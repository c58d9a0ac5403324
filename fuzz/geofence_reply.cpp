// The geofence unit's screen (code 61): its receive handler in the version question,
// the byte-wise read and write of the phone number and the block read and write of
// the position table, fed whatever the unit sends, in pieces of any size, with its
// send timer running in between; the installer may press any button or change the
// number or a table cell at any time.
//
// Input: a script of steps (DeviceScreenMachine.h).
#include "fuzz/DeviceScreenMachine.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    fuzz::ScreenMachine m(61, {"BitBtn1", "BitBtn2", "BitBtn4"});
    m.screen->handOver();
    m.run(in);
    return 0;
}
