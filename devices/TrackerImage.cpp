#include "devices/TrackerImage.h"

#include "z4config/Cp1250.h"

#include <algorithm>
#include <vector>

namespace vardeck::devices {

namespace {

constexpr uint8_t kTextEnd = 0xFF;

// The text of `width` bytes from `at`, up to the first end byte.
std::string slotText(const TrackerImage& image, std::size_t at, std::size_t width) {
    std::size_t length = 0;
    while (length < width && image[at + length] != kTextEnd && image[at + length] != 0) ++length;
    return z4config::cp1250ToUtf8(image.data() + at, length);
}

// Writes the text's bytes, at most `width`; when `terminate` and the text is
// shorter than the slot, one 255 follows it.
void putSlotText(std::string_view text, std::size_t at, std::size_t width, bool terminate, TrackerImage& image) {
    const std::vector<uint8_t> bytes = z4config::utf8ToCp1250(text);
    const std::size_t count = std::min(bytes.size(), width);
    std::copy_n(bytes.begin(), count, image.begin() + static_cast<std::ptrdiff_t>(at));
    if (terminate && count < width) image[at + count] = kTextEnd;
}

}  // namespace

TrackerFields decodeTrackerFields(const TrackerImage& image) {
    using namespace trackerfield;
    TrackerFields fields;
    fields.sensorDisabled = image[kSensor] != 0;
    fields.serverAddress = slotText(image, kAddress, kAddressWidth);
    fields.port = slotText(image, kPort, kPortWidth);
    fields.apn = slotText(image, kApn, kApnWidth);
    return fields;
}

void encodeTrackerFields(const TrackerFields& fields, TrackerImage& image) {
    using namespace trackerfield;
    image[kSensor] = fields.sensorDisabled ? 1 : 0;
    putSlotText(fields.serverAddress, kAddress, kAddressWidth, false, image);
    image[kSeparator] = '/';
    putSlotText(fields.port, kPort, kPortWidth, false, image);
    putSlotText(fields.apn, kApn, kApnWidth, true, image);
}

namespace {
constexpr std::size_t kBlockAddressFirst = 18;
constexpr std::size_t kBlockAddressChars = 15;
}  // namespace

std::string blockServerAddress(const TrackerBlock& block) {
    std::vector<uint8_t> bytes;
    for (std::size_t i = 0; i < kBlockAddressChars; ++i) {
        const uint8_t b = block[kBlockAddressFirst + 2 * i];
        if (b == kTextEnd || b == 0) break;
        bytes.push_back(b);
    }
    return z4config::cp1250ToUtf8(bytes.data(), bytes.size());
}

void putBlockServerAddress(std::string_view address, TrackerBlock& block) {
    const std::vector<uint8_t> bytes = z4config::utf8ToCp1250(address);
    for (std::size_t i = 0; i < kBlockAddressChars && i < bytes.size(); ++i) {
        block[kBlockAddressFirst + 2 * i] = bytes[i];
    }
}

}  // namespace vardeck::devices
