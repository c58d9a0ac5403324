#pragma once
#include <array>

namespace vardeck::z4config {

// One row of a built-in code table: code cell and name cell.
struct CodeRow {
    const char* code;
    const char* name;
};

// The Contact ID event codes the event table's popup menu loads into rows 1 to 100.
// The list is the one installers know and keeps its quirks on purpose: "E302" twice
// with different names (rows 11 and 23), rows 45 and 46 identical, rows 36 and 37
// sharing a name, and accents in rows 14, 30 and 82 to 84 only.
inline constexpr int kDefaultEventRows = 100;
const std::array<CodeRow, kDefaultEventRows>& defaultEventCodes();

// The zone template of the zone grid's popup menu: zones 001 to 015 of partition 01 and
// the catch-all row "?????".
const std::array<CodeRow, 16>& zoneTemplate();

}  // namespace vardeck::z4config
