#pragma once
#include <cstdint>

namespace vardeck::controls {

// A colour as a screen sets it on a control.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const Rgb&) const = default;
    // The toolkit's colour numbers hold blue in the high byte: 255 is red, 65280 green.
    static constexpr Rgb fromColorNumber(std::uint32_t bgr) {
        return {static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
                static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
    }
};

inline constexpr Rgb kRed = Rgb::fromColorNumber(255);
inline constexpr Rgb kGreen = Rgb::fromColorNumber(65280);
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kNavy{0, 0, 128};
// The default face of windows and panels (the system's button face).
inline constexpr Rgb kButtonFace{240, 240, 240};

}  // namespace vardeck::controls
