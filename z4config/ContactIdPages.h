#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace vardeck::z4config {

// What a cell of the zone or event grid keeps after the user has typed or pasted into it.
// A code longer than its length (5 for zones, 4 for event codes) is cut to it; a code
// of exactly that length is put in upper case ("e130" becomes "E130", "E1300" becomes
// "E130", "e13" stays). Lengths count characters.
std::string editedCodeCell(std::string_view text, std::size_t codeLength);
// A name is cut to 26 characters; a character the record cannot hold (one outside
// code page 1250, the one whose byte ends a name, a NUL, a broken UTF-8 byte) becomes
// '?', so the cell shows what the module will get.
std::string editedNameCell(std::string_view text);

// Header row and column widths (pixels) of the two grids of the "CID/SMS" page.
inline constexpr std::array<const char*, 2> kZoneGridHeader = {"Part+Zóna", "Név"};
inline constexpr std::array<int, 2> kZoneGridColumnWidths = {79, 200};
inline constexpr std::array<const char*, 2> kEventGridHeader = {"Eseménykód", "Név"};
inline constexpr std::array<int, 2> kEventGridColumnWidths = {73, 206};

// The popup menu commands of the two grids.
inline constexpr const char* kLoadDefaultEventCodesCommand = "Alap ContactID kódok betöltése";  // PopupMenu2
inline constexpr const char* kLoadZoneTemplateCommand = "Sablon Betöltése";                    // PopupMenu3

// The caption shown beside a field of the "Távfelügyelet" and "Nyitás/Zárás" pages.
// These pages speak Hungarian only; the view puts each caption next to its control.
struct FieldCaption {
    const char* control;
    const char* caption;
};
std::span<const FieldCaption> remoteMonitoringCaptions();
std::span<const FieldCaption> openCloseCaptions();

}  // namespace vardeck::z4config
