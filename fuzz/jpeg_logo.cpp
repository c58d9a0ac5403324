// The brand logo's JPEG decoder: any file is refused or gives a whole picture of a
// sensible size; libjpeg's errors never end the program.
#include "brand/JpegLogo.h"
#include "fuzz/FuzzInput.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto picture = decodeJpeg(data, size);
    if (!picture) return 0;
    VARDECK_FUZZ_CHECK(picture->width > 0 && picture->width <= 8192);
    VARDECK_FUZZ_CHECK(picture->height > 0 && picture->height <= 8192);
    VARDECK_FUZZ_CHECK(picture->rgb.size() ==
                       static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height) * 3);
    return 0;
}
