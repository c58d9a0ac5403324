#pragma once
#include <array>
#include <cstdint>

#include "z4config/ImageEncodings.h"
#include "z4config/controls/Controls.h"

namespace vardeck::z4config {

// The Z-CID keeps two named code tables as 32-byte records:
//   records 32-47:  partition+zone names, rows 1-16 of the zone grid
//   records 48-208: event codes, rows 1-161 of the event grid (rows 160 and 161 are
//                   kept but not shown), each with the SMS recipient mask of its row
// Record bytes: 0-4 code (digit code; 255 in byte 0 = empty row; an event record has
// its qualifier in byte 0 and its mask in byte 4), 5 = 0, 6-31 the name in code page
// 1250 (no accent mapping), 0xFF after a shorter name.
inline constexpr int kZoneRows = 16;
inline constexpr int kEventRows = 161;
inline constexpr int kFirstZoneRecord = 32;
inline constexpr int kFirstEventRecord = 48;
inline constexpr int kRecordSize = 32;
inline constexpr int kZoneCodeLength = 5;
inline constexpr int kEventCodeLength = 4;
inline constexpr int kNameLength = 26;

using EventMasks = std::array<std::uint8_t, kEventRows>;  // index = event row - 1

// Grids and masks to records 32-208. Bytes after a name's terminator are not touched,
// nor the rest of a record whose code is empty.
void encodeCodeTables(Image& image, const controls::Grid& zones, const controls::Grid& events, const EventMasks& masks);
// Records 32-208 to grids and masks.
void decodeCodeTables(const Image& image, controls::Grid& zones, controls::Grid& events, EventMasks& masks);

}  // namespace vardeck::z4config
