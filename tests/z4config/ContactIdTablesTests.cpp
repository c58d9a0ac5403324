#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "z4config/ContactIdTables.h"

using namespace vardeck::z4config;
using namespace vardeck::z4config::testing;
using vardeck::controls::Grid;

namespace {

struct Tables : ::testing::Test {
    Image image = filledImage(0xAA);
    Grid zones{"StringGrid2", 1 + kZoneRows, 2, 1};
    Grid eventGrid{"StringGrid3", 1 + kShownEventRows, 2, 1};
    EventTable events{eventGrid};
    EventMasks& masks = events.masks();

    static std::size_t zoneRecord(int row) { return static_cast<std::size_t>(kFirstZoneRecord + row - 1) * kRecordSize; }
    static std::size_t eventRecord(int row) { return static_cast<std::size_t>(kFirstEventRecord + row - 1) * kRecordSize; }
    void encode() { encodeCodeTables(image, zones, events); }
    void decode() { decodeCodeTables(image, zones, events); }
};

}  // namespace

TEST_F(Tables, EventCodesKeepTheirQualifierThroughTheDigitCode) {
    events.setCell(1, 0, "R130");
    events.setCell(1, 1, "Betores visszaallas");
    events.setCell(2, 0, "E100");
    events.setCell(2, 1, "Kezi");
    masks[0] = 4;  // item 3 alone
    encode();
    EXPECT_EQ(bytesAt(image, eventRecord(1), 6), std::string("\x03\x01\x03\x0A\x04\x00", 6));
    EXPECT_EQ(bytesAt(image, eventRecord(2), 4), std::string("\x01\x01\x0A\x0A", 4));
    events.setCell(1, 0, "");
    masks[0] = 0;
    decode();
    EXPECT_EQ(events.cell(1, 0), "R130");
    EXPECT_EQ(events.cell(1, 1), "Betores visszaallas");
    EXPECT_EQ(events.cell(2, 0), "E100");
    EXPECT_EQ(masks[0], 4);
}

TEST_F(Tables, CodesOutsideTheDigitCodeReadBackAsEmptyRows) {
    events.setCell(3, 0, "e13");  // lower case is outside the code
    events.setCell(3, 1, "name");
    encode();
    EXPECT_EQ(bytesAt(image, eventRecord(3), 4), std::string("\xFF\x01\x03\xFF", 4));
    decode();
    EXPECT_EQ(events.cell(3, 0), "");
    EXPECT_EQ(events.cell(3, 1), "");

    Image zeros = filledImage(0);  // never written
    decodeCodeTables(zeros, zones, events);
    EXPECT_EQ(events.cell(5, 0), "");
    EXPECT_EQ(events.cell(5, 1), "");
    EXPECT_EQ(zones.cell(5, 0), "");
}

TEST_F(Tables, NamesFillTwentySixBytesOrEndWithAMarker) {
    const std::string name26(26, 'n'), name25(25, 'm');
    zones.setCell(1, 0, "01001");
    zones.setCell(1, 1, name26);
    zones.setCell(2, 0, "01002");
    zones.setCell(2, 1, name25);
    encode();
    EXPECT_EQ(bytesAt(image, zoneRecord(1) + 6, 26), name26);
    EXPECT_EQ(image[zoneRecord(1) + 32], 10);  // next record starts right after
    EXPECT_EQ(image[zoneRecord(2) + 31], 255);
    EXPECT_EQ(image[zoneRecord(2) + 5], 0);
    decode();
    EXPECT_EQ(zones.cell(1, 1), name26);
    EXPECT_EQ(zones.cell(2, 1), name25);
}

TEST_F(Tables, EmptyNamesAreStoredAsTheirCode) {
    events.setCell(1, 0, "E130");
    zones.setCell(1, 0, "?????");
    encode();
    EXPECT_EQ(bytesAt(image, eventRecord(1) + 6, 17), "Event code: E130\xFF");
    EXPECT_EQ(bytesAt(image, zoneRecord(1), 5), std::string(5, '\x3F'));
    decode();
    EXPECT_EQ(events.cell(1, 1), "Event code: E130");
    EXPECT_EQ(zones.cell(1, 0), "?????");
    EXPECT_EQ(zones.cell(1, 1), "Partition+zone: ?????");
}

TEST_F(Tables, AnEmptyCodeMarksTheRecordAndTouchesNothingElse) {
    events.setCell(4, 1, "orphan name");
    encode();
    EXPECT_EQ(image[eventRecord(4)], 255);
    EXPECT_EQ(bytesAt(image, eventRecord(4) + 1, 31), std::string(31, '\xAA'));
    EXPECT_EQ(image[zoneRecord(16) + 1], 0xAA);
}

TEST_F(Tables, TheTwoHiddenEventRowsAreKept) {
    events.setCell(160, 0, "E602");
    events.setCell(160, 1, "Teszt jelentés");
    events.setCell(161, 0, "R401");
    masks[160] = 0x81;
    encode();
    EXPECT_EQ(image[eventRecord(161) + 4], 0x81);
    EXPECT_EQ(eventRecord(161) + 32, 209u * 32);  // the last record is 208
    Grid freshGrid{"StringGrid3", 1 + kShownEventRows, 2, 1};
    EventTable fresh{freshGrid};
    decodeCodeTables(image, zones, fresh);
    EXPECT_EQ(fresh.cell(160, 1), "Teszt jelentés");
    EXPECT_EQ(fresh.cell(161, 0), "R401");
    EXPECT_EQ(fresh.mask(161), 0x81);
    EXPECT_EQ(freshGrid.rowCount(), 160);  // the grid shows neither
}
