#pragma once
#include "z4link/FirmwareDownloadStates.h"
#include "z4link/UploadStates.h"
#include "z4screen/FirmwareView.h"

namespace vardeck::z4screen {

// The uploads of the configurator: sounds and the data image, and the firmware
// download with its view.
struct UploadViews {
    UploadViews(TransferEngine& engine, const std::string& brandFirmwareLabel)
        : uploads(engine), firmware(engine, carriedFirmware()), firmwareView(firmware, brandFirmwareLabel) {}

    UploadStates uploads;
    FirmwareDownloadStates firmware;
    FirmwareView firmwareView;
};

// What the sound page asks before converting a file the module cannot play.
inline constexpr const char* kConvertQuestion =
    "A file nem 8Khz, 8bit, mono PCM formátumú. Átalakítsuk? (Az eredeti file nem változik.)";

}  // namespace vardeck::z4screen
