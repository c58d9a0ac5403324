// The start directory's contact file: any bytes give valid UTF-8 without control
// characters other than line ends and tabs, and never more text than the view's
// bound allows for.
#include "controls/Utf8.h"
#include "fuzz/FuzzInput.h"
#include "z4config/Z4MenuViews.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    const std::string text = z4config::contactText(file.hold({data, size}));
    VARDECK_FUZZ_CHECK(controls::utf8Valid(text));
    for (const char32_t c : controls::utf8Decode(text))
        VARDECK_FUZZ_CHECK(c == U'\n' || c == U'\t' || (c >= 0x20 && c != 0x7F && (c < 0x80 || c >= 0xA0)));
    // Code page 1250 at most triples a byte; the notes add a few lines.
    VARDECK_FUZZ_CHECK(text.size() <= 3 * z4config::kContactMaxBytes + 512);
    return 0;
}
