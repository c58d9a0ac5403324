#include "z4config/ContactIdTables.h"

#include <algorithm>
#include <string>
#include <vector>

#include "z4config/Cp1250.h"
#include "controls/Utf8.h"

namespace vardeck::z4config {
namespace {

Bytes recordOf(Image& image, int record) { return slotOf(image, static_cast<std::size_t>(record) * kRecordSize, kRecordSize); }
ConstBytes recordOf(const Image& image, int record) {
    return slotOf(image, static_cast<std::size_t>(record) * kRecordSize, kRecordSize);
}

// Writes one record; an empty code only marks byte 0 as an empty row.
void encodeRecord(Bytes record, const std::string& code, const std::string& name, bool isEvent, std::uint8_t mask) {
    if (code.empty()) {
        record[0] = 255;
        return;
    }
    std::string stored = code;
    if (isEvent && stored.front() == 'E') stored.front() = '1';  // new event: qualifier 1
    const int codeLength = isEvent ? kEventCodeLength : kZoneCodeLength;
    writeDigitCode(record.subspan(0, codeLength), stored);
    if (isEvent) record[4] = mask;
    record[5] = 0;
    const std::string shownName = !name.empty() ? name : (isEvent ? "Event code: " : "Partition+zone: ") + code;
    std::vector<std::uint8_t> bytes = terminatedTextBytes(shownName);
    const std::size_t n = std::min<std::size_t>(bytes.size(), kNameLength);
    std::copy_n(bytes.begin(), n, record.begin() + 6);
    if (n < kNameLength) record[6 + n] = 255;
}

struct DecodedRow {
    std::string code;
    std::string name;
};

DecodedRow decodeRecord(ConstBytes record, bool isEvent) {
    std::string code = readDigitCode(record.subspan(0, isEvent ? kEventCodeLength : kZoneCodeLength));
    if (isEvent && code[0] == '1') code[0] = 'E';
    if (isEvent && code[0] == '3') code[0] = 'R';
    if (code[0] == 'x') code.clear();
    const auto nameBytes = record.subspan(6, kNameLength);
    const auto end = std::find_if(nameBytes.begin(), nameBytes.end(), [](std::uint8_t b) { return b == 255 || b == 0; });
    std::string name = cp1250ToUtf8(nameBytes.data(), static_cast<std::size_t>(end - nameBytes.begin()));
    if (isEvent && code.empty()) name.clear();
    return {std::move(code), std::move(name)};
}

}  // namespace

EventTable::EventTable(controls::Grid& grid) : grid_(grid) {}

const std::string& EventTable::cell(int row, int col) const {
    if (row >= 1 && row <= kShownEventRows) return grid_.cell(row, col);
    return kept_.at(row - kShownEventRows - 1).at(col);
}

void EventTable::setCell(int row, int col, std::string text) {
    if (row >= 1 && row <= kShownEventRows) return grid_.setCell(row, col, std::move(text));
    kept_.at(row - kShownEventRows - 1).at(col) = std::move(text);
}

void encodeCodeTables(Image& image, const controls::Grid& zones, const EventTable& events) {
    for (int row = 1; row <= kZoneRows; ++row)
        encodeRecord(recordOf(image, kFirstZoneRecord + row - 1), zones.cell(row, kCodeColumn), zones.cell(row, kNameColumn),
                     false, 0);
    for (int row = 1; row <= kEventRows; ++row)
        encodeRecord(recordOf(image, kFirstEventRecord + row - 1), events.cell(row, kCodeColumn),
                     events.cell(row, kNameColumn), true, events.mask(row));
}

void decodeCodeTables(const Image& image, controls::Grid& zones, EventTable& events) {
    for (int row = 1; row <= kZoneRows; ++row) {
        DecodedRow decoded = decodeRecord(recordOf(image, kFirstZoneRecord + row - 1), false);
        zones.setCell(row, kCodeColumn, std::move(decoded.code));
        zones.setCell(row, kNameColumn, std::move(decoded.name));
    }
    for (int row = 1; row <= kEventRows; ++row) {
        ConstBytes record = recordOf(image, kFirstEventRecord + row - 1);
        DecodedRow decoded = decodeRecord(record, true);
        events.setCell(row, kCodeColumn, std::move(decoded.code));
        events.setCell(row, kNameColumn, std::move(decoded.name));
        events.setMask(row, record[4]);
    }
}

}  // namespace vardeck::z4config
