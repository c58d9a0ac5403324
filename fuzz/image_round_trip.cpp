// The configuration image from a module: any 8192 bytes decode into the editor, and
// what the editor writes settles: read and written again, the image stays as it is.
// The first write may still change what the second one writes: a phone slot that
// starts with something other than a digit, '+' or a blank shows its text but is
// written empty, and only the next write unchecks its recipients, as a number
// written empty does.
//
// Input: the device type, then the image (missing bytes 0xFF, as in an erased module).
#include "fuzz/FuzzInput.h"
#include "z4config/ImageBinding.h"

using namespace vardeck;
using namespace vardeck::z4config;

namespace {

constexpr int kTypes[] = {kTypeZ4, kTypeTrix, kTypeZ1, kTypeGps, kTypeCid};
const EncodeContext kContext{"*Ügyfél Kft.", "TRIX"};

// A read as the configurator does it: set up for the model, decode, adapt to the
// firmware the image names.
void readIntoEditor(Z4Editor& editor, Image& image) {
    decodeImage(image, editor);
    editor.adaptToFirmware(editor.firmwareVersion(), 1);
}

Image writeFromEditor(Z4Editor& editor, Image image) {
    editor.refreshPagesBeforeWrite();
    encodeImage(editor, image, kContext);
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const int type = kTypes[in.choose(5)];
    Image image;
    image.fill(0xFF);
    const auto bytes = in.take(image.size());
    std::copy(bytes.begin(), bytes.end(), image.begin());

    // One editor reads and writes the module three times, as the configurator does.
    Z4Editor editor(type);
    editor.setUpForDeviceType(type);
    readIntoEditor(editor, image);
    image = writeFromEditor(editor, image);
    readIntoEditor(editor, image);
    const Image settled = writeFromEditor(editor, image);
    image = settled;
    readIntoEditor(editor, image);
    VARDECK_FUZZ_CHECK(writeFromEditor(editor, image) == settled);
    return 0;
}
