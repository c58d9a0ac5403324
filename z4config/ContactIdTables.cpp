#include "z4config/ContactIdTables.h"

#include <algorithm>
#include <string>
#include <vector>

#include "z4config/Cp1250.h"
#include "z4config/controls/Utf8.h"

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

void decodeRecord(ConstBytes record, controls::Grid& grid, int row, bool isEvent) {
    std::string code = readDigitCode(record.subspan(0, isEvent ? kEventCodeLength : kZoneCodeLength));
    if (isEvent && code[0] == '1') code[0] = 'E';
    if (isEvent && code[0] == '3') code[0] = 'R';
    if (code[0] == 'x') code.clear();
    const auto nameBytes = record.subspan(6, kNameLength);
    const auto end = std::find_if(nameBytes.begin(), nameBytes.end(), [](std::uint8_t b) { return b == 255 || b == 0; });
    std::string name = cp1250ToUtf8(nameBytes.data(), static_cast<std::size_t>(end - nameBytes.begin()));
    if (isEvent && code.empty()) name.clear();
    grid.setCell(row, 0, std::move(code));
    grid.setCell(row, 1, std::move(name));
}

}  // namespace

void encodeCodeTables(Image& image, const controls::Grid& zones, const controls::Grid& events, const EventMasks& masks) {
    for (int row = 1; row <= kZoneRows; ++row)
        encodeRecord(recordOf(image, kFirstZoneRecord + row - 1), zones.cell(row, 0), zones.cell(row, 1), false, 0);
    for (int row = 1; row <= kEventRows; ++row)
        encodeRecord(recordOf(image, kFirstEventRecord + row - 1), events.cell(row, 0), events.cell(row, 1), true,
                     masks[row - 1]);
}

void decodeCodeTables(const Image& image, controls::Grid& zones, controls::Grid& events, EventMasks& masks) {
    for (int row = 1; row <= kZoneRows; ++row) decodeRecord(recordOf(image, kFirstZoneRecord + row - 1), zones, row, false);
    for (int row = 1; row <= kEventRows; ++row) {
        ConstBytes record = recordOf(image, kFirstEventRecord + row - 1);
        decodeRecord(record, events, row, true);
        masks[row - 1] = record[4];
    }
}

}  // namespace vardeck::z4config
