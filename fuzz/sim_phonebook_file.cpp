// SIM name files as the simulator keeps its SIM's phonebook: any file is refused with
// a reason or read, and what is read is written as a file that reads back the same.
#include "fuzz/FuzzInput.h"
#include "sim/SimNameFile.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    sim::SimPhonebook phonebook;
    std::string error;
    if (!sim::parseSimNameFile(fuzz::asText({data, size}), phonebook, error)) {
        VARDECK_FUZZ_CHECK(!error.empty());
        return 0;
    }
    sim::SimPhonebook reread;
    VARDECK_FUZZ_CHECK(sim::parseSimNameFile(sim::formatSimNameFile(phonebook), reread, error));
    VARDECK_FUZZ_CHECK(reread == phonebook);
    return 0;
}
