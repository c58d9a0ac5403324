#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "z4config/ImageEncodings.h"
#include "controls/Controls.h"

namespace vardeck::z4config {

// The Z-CID keeps two named code tables as 32-byte records:
//   records 32-47:  partition+zone names, rows 1-16 of the zone grid
//   records 48-208: event codes, rows 1-161 of the event table (the grid shows rows
//                   1-159; rows 160 and 161 are kept but not shown), each with the SMS
//                   recipient mask of its row
// Record bytes: 0-4 code (digit code; 255 in byte 0 = empty row; an event record has
// its qualifier in byte 0 and its mask in byte 4), 5 = 0, 6-31 the name in code page
// 1250 (no accent mapping), 0xFF after a shorter name.
inline constexpr int kZoneRows = 16;
inline constexpr int kEventRows = 161;
inline constexpr int kShownEventRows = 159;
inline constexpr int kFirstZoneRecord = 32;
inline constexpr int kFirstEventRecord = 48;
inline constexpr int kRecordSize = 32;
inline constexpr int kZoneCodeLength = 5;
inline constexpr int kEventCodeLength = 4;
inline constexpr int kNameLength = 26;
inline constexpr int kCodeColumn = 0;
inline constexpr int kNameColumn = 1;

using EventMasks = std::array<std::uint8_t, kEventRows>;  // index = event row - 1

// The event code table: the rows the grid StringGrid3 shows, the two further rows the
// image holds (kept here, out of sight) and the SMS recipient mask of every row.
class EventTable {
public:
    explicit EventTable(controls::Grid& grid);
    EventTable(const EventTable&) = delete;
    EventTable& operator=(const EventTable&) = delete;

    // Rows 1 to kEventRows, columns kCodeColumn and kNameColumn; anything else is a
    // programming error (std::out_of_range).
    const std::string& cell(int row, int col) const;
    void setCell(int row, int col, std::string text);
    EventMasks& masks() { return masks_; }
    const EventMasks& masks() const { return masks_; }
    std::uint8_t mask(int row) const { return masks_.at(row - 1); }
    void setMask(int row, std::uint8_t mask) { masks_.at(row - 1) = mask; }
    controls::Grid& grid() { return grid_; }
    const controls::Grid& grid() const { return grid_; }

private:
    controls::Grid& grid_;
    std::array<std::array<std::string, 2>, kEventRows - kShownEventRows> kept_;
    EventMasks masks_{};
};

// Grid and table to records 32-208. Bytes after a name's terminator are not touched,
// nor the rest of a record whose code is empty.
void encodeCodeTables(Image& image, const controls::Grid& zones, const EventTable& events);
// Records 32-208 to grid, table and masks.
void decodeCodeTables(const Image& image, controls::Grid& zones, EventTable& events);

}  // namespace vardeck::z4config
