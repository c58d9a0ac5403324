#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vardeck {

// A decoded picture: 8-bit RGB, rows top to bottom, no padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // width * height * 3 bytes
};

// Decodes a JPEG file with libjpeg. A missing, truncated or non-JPEG file, or one
// whose size is out of all reason for a logo, gives nothing: the caller keeps its
// fallback picture. libjpeg's own error exit would end the process; it is turned
// into a plain failure here.
std::optional<RgbImage> decodeJpegFile(const std::string& path);
std::optional<RgbImage> decodeJpeg(const uint8_t* data, size_t size);

}  // namespace vardeck
