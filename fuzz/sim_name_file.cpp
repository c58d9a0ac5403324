// SIM name files, as the program's phonebook page and vardeck-cli read them: any file
// is refused with a reason or read, and what is read is written as a file that reads
// back the same.
#include "fuzz/FuzzInput.h"
#include "z4config/SimNameFile.h"

using namespace vardeck;

namespace {

bool ascii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::string reason;
    const auto names = z4config::readSimNames(fuzz::asText({data, size}), reason);
    VARDECK_FUZZ_CHECK(names.has_value() == reason.empty());
    if (!names) return 0;
    const std::string written = z4config::writeSimNames(*names);
    const auto reread = z4config::readSimNames(written, reason);
    VARDECK_FUZZ_CHECK(reread.has_value());
    VARDECK_FUZZ_CHECK(reread->rowCount == names->rowCount);
    // Other texts may read back in the other code page: the file names no encoding.
    if (ascii(written)) VARDECK_FUZZ_CHECK(z4config::writeSimNames(*reread) == written);
    return 0;
}
