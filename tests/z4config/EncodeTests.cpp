#include <gtest/gtest.h>

#include "ImageTestSupport.h"

using namespace vardeck::z4config;
using namespace vardeck::z4config::testing;
using namespace vardeck::controls;

namespace {

struct Encode : EditorTest {
    Encode() : EditorTest(0xAA) {}
    void encode(const EncodeContext& context = {}) { encodeImage(editor, image, context); }
};

}  // namespace

TEST_F(Encode, PhoneNumbersEndAtTheFirstBlank) {
    editor.MaskEdit[0]->setText("36301 2345");
    editor.MaskEdit[1]->setText("+3630123456789012");  // more than 16 characters
    encode();
    EXPECT_EQ(bytesAt(image, 256, 6), "36301\xFF");
    EXPECT_EQ(bytesAt(image, 272, 16), "+363012345678901");
    EXPECT_EQ(image[288], 0xFF);  // phone 3 is empty
}

TEST_F(Encode, TypeBytesAndTheInvertedPowerMonitor) {
    c<ComboBox>("ComboBox1").setItemIndex(4);
    c<CheckBox>("CheckBox1").setChecked(true);
    c<ComboBox>("ComboBox10").setItemIndex(1);
    c<CheckBox>("CheckBox10").setChecked(true);
    c<ComboBox>("ComboBox9").setItemIndex(-1);  // a type outside the list was read
    encode();
    EXPECT_EQ(image[8], 0x84);
    EXPECT_EQ(image[44], 0x01);  // inversion checked: bit 7 clear
    EXPECT_EQ(image[40], 0x00);  // written as "not used"
    c<CheckBox>("CheckBox10").setChecked(false);
    encode();
    EXPECT_EQ(image[44], 0x81);
}

TEST_F(Encode, ClearsTheUnusedInputAreaAndWritesOptionBytesWhole) {
    image[11] = 0xFF;
    c<CheckBox>("best11").setChecked(true);
    c<CheckBox>("best17").setChecked(true);
    encode();
    EXPECT_EQ(image[11], 0x41);
    for (std::size_t i : {32u, 33u, 39u, 52u, 63u}) EXPECT_EQ(image[i], 0) << i;
    EXPECT_EQ(image[27], 0);  // speed options: restore box unchecked
    EXPECT_EQ(image[64 - 1], 0);
}

TEST_F(Encode, LiftCallListGoesToByte30) {
    auto& calls = c<CheckList>("VOICEst6");
    for (int i = 0; i < 8; ++i) editor.MaskEdit[i]->setText("+36" + std::to_string(i));
    editor.refreshPagesBeforeWrite();
    calls.setCheckedBits(0x9A);
    encode();
    EXPECT_EQ(image[30], 0x9A);
    Z4Editor other;
    decodeImage(image, other);
    EXPECT_EQ(other.get<CheckList>("VOICEst6").checkedBits(), 0x9Au);
}

TEST_F(Encode, RecipientsOfEmptyPhonesAreUncheckedExceptOnTheTemperaturePage) {
    editor.MaskEdit[0]->setText("+3630111");
    editor.MaskEdit[1]->setText(" 2345");  // blank first position: empty
    c<CheckList>("SMSst1").setCheckedBits(0x03);
    c<CheckList>("SMSst13").setCheckedBits(0x03);
    editor.refreshPagesBeforeWrite();
    encode();
    EXPECT_EQ(image[9], 0x01);
    EXPECT_EQ(image[49], 0x03);
    EXPECT_FALSE(c<CheckList>("SMSst1").checked(1));
}

TEST_F(Encode, OutputsFromModeFlagsAndTheTimeInSeconds) {
    editor.setOutputTime(1, 300);
    editor.ComboKi1.setItemIndex(1);
    c<CheckBox>("CheckBox1KI1").setChecked(true);
    c<CheckBox>("CheckBox3KI1").setChecked(true);
    editor.ComboKi2.setItemIndex(2);
    c<CheckBox>("CheckBox1KI2").setChecked(false);
    c<CheckBox>("CheckBox2KI2").setChecked(true);
    editor.SpinKI2.setValue(999);  // the encode reads the output time, not the spin
    encode();
    EXPECT_EQ(bytesAt(image, 64, 6), std::string("\x0D\x01\x2C\x12\x00\x03", 6));
}

TEST_F(Encode, LifeSignalHourAndFirstDay) {
    editor.SpinEdit2.setValue(7);
    editor.SpinEdit3.setValue(255);
    encode();
    EXPECT_EQ(image[70], 0);  // life signal off
    EXPECT_EQ(bytesAt(image, 71, 2), "07");
    EXPECT_EQ(image[73], 0);  // 255 + 1 wraps
    editor.setChecked(editor.CheckBox11, true);
    editor.SpinEdit3.setValue(4);
    encode();
    EXPECT_EQ(image[70], 7);
    EXPECT_EQ(image[73], 5);
}

TEST_F(Encode, MiscellaneousBytesAndDefaultCodes) {
    c<CheckBox>("CheckEgyeb1").setChecked(true);
    c<CheckBox>("ELETcid").setChecked(true);
    c<CheckBox>("CheckEgyeb2_1").setChecked(true);
    c<CheckBox>("GPSbit0").setChecked(false);
    c<ComboBox>("ComboBox12").setItemIndex(-1);
    c<ComboBox>("ComboBox16").setItemIndex(-1);
    c<ComboBox>("ComboBox20").setItemIndex(-1);
    c<ComboBox>("ComboBox17").setItemIndex(-1);
    editor.setChecked(editor.hkompmax, true);
    editor.SpinEdit6.setValue(45);
    encode();
    EXPECT_EQ(image[76], 0x41);
    EXPECT_EQ(image[77], 255);  // redirection off
    EXPECT_EQ(image[122], 0x12);
    EXPECT_EQ(image[81], 0x01);
    EXPECT_EQ(image[80], 3);
    EXPECT_EQ(image[103], 150);
    EXPECT_EQ(image[114], 76);
    EXPECT_EQ(image[102], 0);
    EXPECT_EQ(image[82], 45);
    EXPECT_EQ(image[83], 255);
    EXPECT_EQ(bytesAt(image, 104, 2), "\x05\xA0");  // 1440
    EXPECT_EQ(bytesAt(image, 92, 2), std::string("\x00\x0A", 2));
}

TEST_F(Encode, SecurityCodeOnlyWhenComplete) {
    c<Edit>("Edit1").setText("123");
    encode();
    EXPECT_EQ(bytesAt(image, 0, 4), "\xAA\xAA\xAA\xAA");
    c<Edit>("Edit1").setText("9876");
    encode();
    EXPECT_EQ(bytesAt(image, 0, 4), "9876");
}

TEST_F(Encode, ContactIdFieldsWriteMissingPositionsAs255) {
    c<Edit>("CIDbe2").setText("13");
    c<Edit>("CIDUGYFEL").setText("12");
    encode();
    EXPECT_EQ(bytesAt(image, 1048, 3), "\x01\x03\xFF");
    EXPECT_EQ(bytesAt(image, 1024, 4), "\x01\x02\xFF\xFF");
    EXPECT_EQ(bytesAt(image, 1051, 3), std::string("\x0A\x0A\x02", 3));  // "002"
}

TEST_F(Encode, CompanyFieldFollowsTheStarRule) {
    encode({"*Kovács Kft", "KVEX"});
    EXPECT_EQ(bytesAt(image, 384, 11), "Kov\xE1" "cs Kft\xFF");
    encode({"Anything", "KVEX"});
    EXPECT_EQ(bytesAt(image, 384, 5), "KVEX\xFF");
    encode({"*", "TRIX"});
    EXPECT_EQ(image[384], 0xFF);
    EXPECT_EQ(companyFieldText({"", "Ostera"}), "Ostera");
}

TEST_F(Encode, ALongCompanyNameStopsAtItsField) {
    encode({"*" + std::string(300, 'C'), "TRIX"});
    EXPECT_EQ(bytesAt(image, 384, 16), std::string(16, 'C'));
    EXPECT_EQ(bytesAt(image, 400, 7), "\"UDP\",\"");  // the server string follows
    EXPECT_EQ(image[462], 0xAA);                      // nothing runs on beyond it
    EXPECT_NE(image[512], 'C');
}

TEST_F(Encode, TheSmsHeaderLiesOverTheOpeningTextOnlyOnTheZCid) {
    c<Edit>("Edit17").setText("nyit");
    editor.Edit12.setText("HEADER");
    encode();
    EXPECT_EQ(bytesAt(image, 896, 5), "nyit\xFF");
    EXPECT_EQ(bytesAt(image, 1280, 7), "HEADER\xFF");
    editor.setDeviceType(kTypeCid);
    encode();
    EXPECT_EQ(bytesAt(image, 896, 7), "HEADER\xFF");
}

TEST_F(Encode, TheGpsModelKeepsItsSpeedAndLiftTexts) {
    editor.setDeviceType(kTypeGps);
    c<Edit>("riasztas5").setText("Gyorshajtas");
    c<Edit>("riasztas6").setText("Emeles");
    editor.Edit10.setText("apn");
    encode();
    Z4Editor gps(kTypeGps);
    decodeImage(image, gps);
    EXPECT_EQ(gps.get<Edit>("riasztas5").text(), "Gyorshajtas");
    EXPECT_EQ(gps.get<Edit>("riasztas6").text(), "Emeles");

    editor.setDeviceType(kTypeCid);  // the Z-CID keeps its access point there instead
    encode();
    EXPECT_EQ(bytesAt(image, 640, 5), "\"apn\"");
}

TEST_F(Encode, ZoneNamesOfAZCidWithoutMonitoringAreNotOverwritten) {
    editor.setDeviceType(kTypeCid);
    editor.setFirmwareVersion(30);
    editor.StringGrid2.setCell(1, 0, "01001");
    editor.StringGrid2.setCell(8, 0, "02008");
    encode();
    EXPECT_EQ(bytesAt(image, 1024, 5), std::string("\x0A\x01\x0A\x0A\x01", 5));
    EXPECT_EQ(image[1248], 10);  // record 39 starts with the zone code, not TAV1
    editor.setFirmwareVersion(34);  // with the monitoring page both groups are shown; it comes last
    encode();
    EXPECT_EQ(bytesAt(image, 1024, 4), "\x01\x02\x03\x04");
    EXPECT_EQ(image[1248], 0xFF);
}
