// The tracker's screen (code 60) in both formats: its receive handler while it reads
// and writes the settings one byte a frame (the new format) or the server address
// block (the old one), fed whatever the tracker sends, in pieces of any size, with
// its send timer running in between; the installer may press any button, switch the
// format or change a field at any time.
//
// Input: the format (odd: the old one), then a script of steps (DeviceScreenMachine.h).
#include "fuzz/DeviceScreenMachine.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    fuzz::ScreenMachine m(60, {"BitBtn1", "BitBtn2", "BitBtn3", "Olvass1", "Irs1", "Kilps1", "wavecom1", "Verzi2",
                               "IPcim1", "IPcim2"});
    if (in.byte() & 1) devices::selectOldFormat(*m.screen);
    m.screen->handOver();
    m.run(in);
    return 0;
}
