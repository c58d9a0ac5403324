// The device search's reply assembly: Form1's receive handler while it probes the line,
// and the port selection's auto-detect, fed whatever a device on the line sends, in
// pieces of any size, with their timers running in between. No reply, however broken,
// hands the device to a screen that does not serve its type. A GPRS module handed to
// the main view may be read and written there, on the search's line.
//
// Input: which of the two listens, then a script of steps: raw bytes, a frame with a
// correct check sum and four chosen bytes, the main view's read or write button, or
// time passing.
#include "brand/ModelTexts.h"
#include "fuzz/FuzzInput.h"
#include "tests/shell/SearchTestSupport.h"

using namespace vardeck;
using namespace vardeck::testing;

namespace {

void runScript(fuzz::FuzzInput& in, SearchRig& rig, FakeChannel& line) {
    for (int steps = 0; !in.empty() && steps < 512; ++steps) {
        const uint8_t op = in.byte();
        if (op < 0x80) {
            const auto bytes = in.take(op % 16 + 1u);
            line.deliver({bytes.begin(), bytes.end()});
        } else if (op < 0xBC) {
            const auto p = in.take(4);
            if (p.size() == 4) line.deliver(replyFrame(p[0], p[1], p[2], p[3]));
        } else if (op < 0xC0) {
            // The main view's read and write buttons: the GPRS module's transfer on the
            // search's line, once the search has handed that module to the main view.
            if (op & 1) rig.form1().BitBtn1Click();
            else rig.form1().BitBtn2Click();
        } else {
            rig.clock.advance((op & 0x3F) * 10 + 10);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const uint8_t choice = in.byte();
    SearchRig rig;
    if (choice % 2 == 0) {
        if (choice & 0x80) rig.store("mode", "TRAXO");
        rig.startSearch();
        runScript(in, rig, rig.channel);
        if (rig.host.count("openZ4Configurator " + std::to_string(rig.host.lastHandover.typeCode)) > 0)
            VARDECK_FUZZ_CHECK(isZ4FamilyCode(rig.host.lastHandover.typeCode));
    } else {
        rig.usbDevices = {{"ttyUSB0 (usb-adapter)", "ttyUSB0", "/dev/serial/by-id/usb-adapter"}};
        rig.comprt().FormActivate();
        rig.comprt().BitBtn2Click();
        runScript(in, rig, rig.portChannel);
    }
    return 0;
}
