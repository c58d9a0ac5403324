// The JSON documents scripts hand to vardeck-cli encode and profile make: any document
// is refused with a message or applied as a user's edits, and the image written from
// the result settles once the module has been read back: read and written again, it
// stays as it is. (A document may set a control the screen shows disabled, such as a
// temperature compensation box without a sensor; the read back shows the screen's
// state, so the first read may change what the next write writes.)
//
// Input: the device type, whether it is a profile document, the firmware version of
// the module image it is applied over, then the document.
#include "controls/Json.h"
#include "fuzz/FuzzInput.h"
#include "z4config/EditorJson.h"
#include "z4config/ImageBinding.h"
#include "z4config/ProfileJson.h"

using namespace vardeck;
using namespace vardeck::z4config;

namespace {

constexpr int kTypes[] = {kTypeZ4, kTypeTrix, kTypeZ1, kTypeGps, kTypeCid};
const EncodeContext kContext{"*Ügyfél Kft.", "TRIX"};

Image writeFromEditor(Z4Editor& editor, Image image) {
    editor.refreshPagesBeforeWrite();
    encodeImage(editor, image, kContext);
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const uint8_t choice = in.byte();
    const int type = kTypes[choice % 5];
    const bool profile = choice & 0x80;
    // The base image (--base): an erased module of the firmware. A Z-CID from firmware
    // 34 on shows two groups over the same bytes, as the module lays them out: what
    // one writes the other reads, so such images do not settle.
    Image base;
    base.fill(0xFF);
    base[254] = type == kTypeCid ? std::min<uint8_t>(in.byte(), 33) : in.byte();

    std::string error;
    const auto document = controls::parseJson(fuzz::asText(in.rest()), error);
    if (!document) return 0;

    Z4Editor editor(type);
    editor.setUpForDeviceType(type);
    decodeImage(base, editor);
    editor.adaptToFirmware(editor.firmwareVersion(), 1);
    error = profile ? applyProfileJson(editor, *document) : applyEditorJson(editor, *document);
    if (!error.empty()) return 0;  // refused: vardeck-cli writes nothing
    const Image written = writeFromEditor(editor, base);

    Z4Editor second(type);
    second.setUpForDeviceType(type);
    Image reread = written;
    decodeImage(reread, second);
    second.adaptToFirmware(second.firmwareVersion(), 1);
    const Image settled = writeFromEditor(second, reread);
    reread = settled;
    decodeImage(reread, second);
    second.adaptToFirmware(second.firmwareVersion(), 1);
    VARDECK_FUZZ_CHECK(writeFromEditor(second, reread) == settled);
    return 0;
}
