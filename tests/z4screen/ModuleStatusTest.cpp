// What a status block shows, and the event-log record and error report formats.
#include <gtest/gtest.h>

#include "z4link/EventLogStates.h"
#include "z4link/ModuleStatus.h"
#include "z4screen/ErrorReport.h"

namespace vardeck {
namespace {

StatusBlock block(std::initializer_list<std::pair<int, uint8_t>> bytes) {
    StatusBlock b{};
    b[4] = 0x80;  // memory good
    for (auto [i, v] : bytes) b[static_cast<std::size_t>(i)] = v;
    return b;
}

ModuleStatus decode(const StatusBlock& b, int type = 70, int firmware = 43, int length = 16) {
    return decodeModuleStatus(b, length, type, firmware);
}

TEST(ModuleStatus, TemperatureCarriesItsSignInBitSeven) {
    EXPECT_EQ(decode(block({{9, 0x85}})).temperature, -5);
    EXPECT_EQ(decode(block({{9, 0x05}})).temperature, 5);
}

TEST(ModuleStatus, ContactIdStageReplacesTheErrorTextOnlyWithoutAnError) {
    EXPECT_EQ(decode(block({{2, 0}, {11, 3}})).errorText, "CID: handshake OK");
    EXPECT_EQ(decode(block({{2, 0}, {11, 7}})).errorText, "Nincs hiba");
    EXPECT_EQ(decode(block({{2, 3}, {11, 3}})).errorText, "SIM kártya nincs behelyezve");
    EXPECT_EQ(decode(block({{2, 99}})).errorText, "Ismeretlen hiba: 99");
    EXPECT_EQ(decode(block({{1, 7}})).registrationText, "Ismeretlen állapot: 7");
}

TEST(ModuleStatus, MemoryFaultOnlyOnTheModelThatReportsIt) {
    EXPECT_EQ(decode(block({{4, 0x00}}), 71).errorText, "MEMORY FAULT");
    EXPECT_EQ(decode(block({{4, 0x80}}), 71).errorText, "Nincs hiba");
    EXPECT_EQ(decode(block({{4, 0x00}}), 70).errorText, "Nincs hiba");
}

TEST(ModuleStatus, SignalBandsAndFlags) {
    EXPECT_EQ(signalBand(5), SignalBand::Red);
    EXPECT_EQ(signalBand(6), SignalBand::Yellow);
    EXPECT_EQ(signalBand(11), SignalBand::Blue);
    EXPECT_EQ(signalBand(16), SignalBand::Green);
    EXPECT_EQ(signalBand(20), SignalBand::Green);
    EXPECT_EQ(signalBand(21), SignalBand::BrightGreen);
    const ModuleStatus s = decode(block({{0, 0x05}, {4, 0x80 | 0x15}, {5, '0'}, {6, '9'}, {7, '4'}, {8, '1'}}));
    EXPECT_EQ(s.inputs, (std::array<bool, 4>{true, false, true, false}));
    EXPECT_TRUE(s.tamper && s.output1 && s.armed);
    EXPECT_FALSE(s.supply || s.output2);
    EXPECT_EQ(s.gsmTime, "09:41");
}

StatusBlock contactIdBlock(std::array<uint8_t, 16> digits) {
    StatusBlock b = block({});
    std::copy(digits.begin(), digits.end(), b.begin() + 16);
    return b;
}

TEST(ModuleStatus, LastContactIdMessageIsSplitByTheDigitRule) {
    // 1234 18 1 130 01 003 + check digit: qualifier 1 is a new event.
    ModuleStatus s = decode(contactIdBlock({1, 2, 3, 4, 1, 8, 1, 1, 3, 10, 10, 1, 10, 10, 3, 7}), 100, 30, 32);
    EXPECT_EQ(s.lastContactId, "1234181130010037");
    EXPECT_EQ(s.account, "1234");
    EXPECT_EQ(s.partitionZone, "01003");
    EXPECT_EQ(s.event, "E130");
    s = decode(contactIdBlock({1, 2, 3, 4, 1, 8, 3, 4, 11, 12, 10, 1, 10, 10, 3, 63}), 100, 30, 32);
    EXPECT_EQ(s.event, "R4BC");
    EXPECT_EQ(s.lastContactId.back(), '?');
    s = decode(contactIdBlock({0, 2, 3, 4, 1, 8, 1, 1, 3, 10, 10, 1, 10, 10, 3, 7}), 100, 30, 32);
    EXPECT_EQ(s.lastContactId, "Not");
    EXPECT_TRUE(s.account.empty() && s.event.empty());
    // Below firmware 2.5, and on the other models, there is no such message.
    EXPECT_FALSE(decode(contactIdBlock({1}), 100, 24, 32).hasLastContactId);
    EXPECT_EQ(statusBlockLength(100, 25), 32);
    EXPECT_EQ(statusBlockLength(100, 24), 16);
    EXPECT_EQ(statusBlockLength(71, 43), 16);
}

TEST(EventRecord, FieldsAndSourceTexts) {
    EventRecord r{};
    r[0] = 10;
    r[2] = '2';
    r[3] = '3';
    r[4] = '5';
    r[5] = 0x07;  // not printable
    r[15] = 17;
    r[17] = 200;
    const EventLogEntry e = decodeEventRecord(4, r);
    EXPECT_EQ(e.sourceText, "Tápfeszültség");
    EXPECT_EQ(e.time, "23:5?");
    EXPECT_EQ(e.signal, 17);
    EXPECT_EQ(e.value, 200);
    EXPECT_EQ(eventSourceText(13), "Hőméséklet max");
    EXPECT_EQ(eventSourceText(5), "Ismeretlen");
}

TEST(ErrorReport, StreamAndServerSetting) {
    const std::string stream = z4screen::buildErrorReport("356938035643809", 43, "nem hív", "AT\r\nOK\r\n");
    EXPECT_EQ(stream, std::string("QMX_START356938035643809 Szoftver verzi\xF3:43\nnem h\xEDv\nAT\r\nOK\r\nQMX_STOP"));
    EXPECT_TRUE(z4screen::acceptableImei("356938035643809"));
    EXPECT_FALSE(z4screen::acceptableImei("35693803564380"));
    EXPECT_FALSE(z4screen::acceptableImei("3569380356438090"));

    auto s = z4screen::parseReportServer("reports.example.org");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->port, 49000);
    s = z4screen::parseReportServer("127.0.0.1:5000");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->host, "127.0.0.1");
    EXPECT_EQ(s->port, 5000);
    s = z4screen::parseReportServer("[::1]:6000");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->host, "::1");
    EXPECT_EQ(s->port, 6000);
    EXPECT_FALSE(z4screen::parseReportServer("host:0"));
    EXPECT_FALSE(z4screen::parseReportServer("host:x"));
    EXPECT_FALSE(z4screen::parseReportServer(""));
}

}  // namespace
}  // namespace vardeck
