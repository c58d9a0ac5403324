// The "CID/SMS", "Távfelügyelet" and "Nyitás/Zárás" pages: cell rules of the two code
// grids, the popup commands, the recipient list of the selected event row, and the
// captions of the reporting pages.
#include "z4config/ContactIdPages.h"

#include "z4config/ContactIdDefaults.h"
#include "z4config/Cp1250.h"
#include "z4config/Z4Editor.h"
#include "controls/Utf8.h"

namespace vardeck::z4config {

using namespace controls;

std::string editedCodeCell(std::string_view text, std::size_t codeLength) {
    std::string code = utf8Left(text, codeLength);
    if (utf8Length(code) == codeLength)
        for (char& c : code)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return code;
}

std::string editedNameCell(std::string_view text) {
    // U+02D9 is the character of byte 0xFF, which ends a name; a NUL ends it on reading.
    return cp1250Representable(utf8Left(text, kNameLength), std::u32string_view(U"\u02D9\0", 2));
}

std::span<const FieldCaption> remoteMonitoringCaptions() {
    static constexpr FieldCaption kCaptions[] = {
        {"CIDUGYFEL", "Ügyfélkód:"},
        {"CIDbe1", "Be1:"},
        {"CIDbe2", "Be2:"},
        {"CIDbe3", "Be3:"},
        {"CIDbe4", "Be4:"},
        {"CIDtamper", "Tamper:"},
        {"CIDtap", "Táp:"},
        {"CIDelet", "Életjel:"},
        {"SpinEdit17", "Életjel ciklus: [perc]"},
        {"TAV1", "Telefonszám 1."},
        {"TAV2", "Telefonszám 2."},
        {"ComboBox17", "Jelszint TX:"},
        {"ComboBox16", "Jelszint RX:"},
    };
    return kCaptions;
}

std::span<const FieldCaption> openCloseCaptions() {
    static constexpr FieldCaption kCaptions[] = {
        {"SMSst16", "Jelölje ki mely számokra kíván SMS-t küldeni nyitáskor"},
        {"SMSst17", "Jelölje ki mely számokra kíván SMS-t küldeni záráskor"},
        {"Edit17", "SMS szöveg (nyitáskor):"},
        {"Edit18", "SMS szöveg (záráskor):"},
    };
    return kCaptions;
}

// ---- editor commands of the "CID/SMS" page ----

void Z4Editor::loadDefaultEventCodes() {
    int row = 1;
    for (const CodeRow& r : defaultEventCodes()) {
        eventTable_.setCell(row, kCodeColumn, r.code);
        eventTable_.setCell(row, kNameColumn, r.name);
        ++row;
    }
}

void Z4Editor::loadZoneTemplate() {
    int row = 1;
    for (const CodeRow& r : zoneTemplate()) {
        StringGrid2.setCell(row, kCodeColumn, r.code);
        StringGrid2.setCell(row, kNameColumn, r.name);
        ++row;
    }
}

void Z4Editor::gridCellEdited(std::string_view gridName, int row, int col) {
    const bool zones = gridName == StringGrid2.name();
    if (!zones && gridName != StringGrid3.name()) return;
    Grid& grid = zones ? StringGrid2 : StringGrid3;
    if (row < grid.fixedRows() || row >= grid.rowCount() || col < 0 || col >= grid.colCount()) return;
    const std::string& text = grid.cell(row, col);
    std::string kept = col == kCodeColumn ? editedCodeCell(text, zones ? kZoneCodeLength : kEventCodeLength)
                                          : editedNameCell(text);
    if (kept != text) grid.setCell(row, col, std::move(kept));
}

void Z4Editor::selectEventRow(int row) {
    if (row < 1 || row > kShownEventRows) return;
    selectedEventRow_ = row;
    SMSst7.setCheckedBits(eventTable_.mask(row));
    Label87.setCaption(eventTable_.cell(row, kNameColumn));
}

}  // namespace vardeck::z4config
