#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "z4config/GprsStrings.h"

using namespace vardeck::z4config;
using namespace vardeck::z4config::testing;
using namespace vardeck::controls;

namespace {

struct Decode : EditorTest {
    Decode() : EditorTest(0xFF) {}
    void decode() { decodeImage(image, editor); }
};

}  // namespace

TEST_F(Decode, ReadsInputRecordsTypesOptionsMasksAndTexts) {
    put(image, 8, {0x83, 0x05, 0xA0, 0x55});  // type 3 inverted, SMS 1+3, call 6+8, options 0,2,4,6
    putText(image, 512, "Bej\xE1rat");  // code page 1250
    put(image, 44, {0x02, 0, 0, 0});  // power monitor: bit 7 clear means inverted operation
    decode();
    EXPECT_EQ(c<ComboBox>("ComboBox1").itemIndex(), 3);
    EXPECT_TRUE(c<CheckBox>("CheckBox1").checked());
    EXPECT_EQ(c<CheckList>("SMSst1").checkedBits(), 0x05u);
    EXPECT_EQ(c<CheckList>("VOICEst1").checkedBits(), 0xA0u);
    EXPECT_TRUE(c<CheckBox>("best11").checked());
    EXPECT_FALSE(c<CheckBox>("best14").checked());
    EXPECT_TRUE(c<CheckBox>("best13").checked());
    EXPECT_TRUE(c<CheckBox>("best15").checked());
    EXPECT_TRUE(c<CheckBox>("best17").checked());
    EXPECT_EQ(c<Edit>("riasztas").text(), "Bejárat");
    EXPECT_TRUE(c<CheckBox>("CheckBox10").checked());
    EXPECT_EQ(c<ComboBox>("ComboBox10").itemIndex(), 2);
}

TEST_F(Decode, RewritesAccentsOfEveryTextSlotAndClearsBytes120And121) {
    put(image, 512, {'a', 0xE0, 0xE8, 0xEC, 0xF2, 0xFF});
    put(image, 992, {0xE0, 0xFF, 0xE0});  // after the terminator: not a text
    put(image, 120, {7, 9});
    put(image, 4, {1, 2, 3, 4});  // not read: stays
    decode();
    EXPECT_EQ(bytesAt(image, 512, 6), "a\xE1\xE9\xED\xF3\xFF");
    EXPECT_EQ(c<Edit>("riasztas").text(), "aáéíó");
    EXPECT_EQ(bytesAt(image, 992, 3), "\xE1\xFF\xE0");
    EXPECT_EQ(image[120], 0);
    EXPECT_EQ(image[121], 0);
    EXPECT_EQ(bytesAt(image, 4, 4), "\x01\x02\x03\x04");
}

TEST_F(Decode, EmptyTextsReadAsOneSpace) {
    decode();
    EXPECT_EQ(c<Edit>("riasztas9").text(), " ");
    EXPECT_EQ(c<Edit>("Edit8").text(), " ");
}

TEST_F(Decode, LifeSignalOffShowsTheSpinAtItsMinimum) {
    image[70] = 0;
    put(image, 71, {'0', '7'});
    decode();
    EXPECT_FALSE(editor.CheckBox11.checked());
    EXPECT_EQ(editor.SpinEdit1.value(), 1);
    EXPECT_EQ(editor.SpinEdit2.value(), 7);

    image[70] = 14;
    put(image, 71, {'9', '9'});  // 99 o'clock: limited to the spin's range
    decode();
    EXPECT_TRUE(editor.CheckBox11.checked());
    EXPECT_TRUE(editor.SpinEdit1.enabled());  // the click rule ran
    EXPECT_EQ(editor.SpinEdit1.value(), 14);
    EXPECT_EQ(editor.SpinEdit2.value(), 23);
}

TEST_F(Decode, RedirectionOffKeepsTheLastTargetInTheDisabledList) {
    image[77] = 3;
    decode();
    EXPECT_TRUE(editor.CheckEgyeb2.checked());
    EXPECT_TRUE(editor.ComboBox11.enabled());
    EXPECT_EQ(editor.ComboBox11.itemIndex(), 3);
    image[77] = 255;
    decode();
    EXPECT_FALSE(editor.CheckEgyeb2.checked());
    EXPECT_FALSE(editor.ComboBox11.enabled());
    EXPECT_EQ(editor.ComboBox11.itemIndex(), 3);
    image[77] = 8;  // no such phone
    decode();
    EXPECT_TRUE(editor.CheckEgyeb2.checked());
    EXPECT_EQ(editor.ComboBox11.itemIndex(), -1);
}

TEST_F(Decode, CodedBytesSelectTheirItems) {
    auto& filter = c<ComboBox>("ComboBox12");
    auto& voltage = c<ComboBox>("ComboBox20");
    auto& rx = c<ComboBox>("ComboBox16");
    auto& tx = c<ComboBox>("ComboBox17");
    image[80] = 60;
    image[114] = 90;
    image[103] = 170;
    image[102] = 9;
    decode();
    EXPECT_EQ(filter.itemText(), "Erős");
    EXPECT_EQ(voltage.itemText(), "13V");
    EXPECT_EQ(rx.itemText(), "6");
    EXPECT_EQ(tx.itemText(), "9");

    image[80] = 2;    // keeps the previous item
    image[114] = 70;  // no exact code: "11V"
    image[103] = 231;
    image[102] = 0;
    decode();
    EXPECT_EQ(filter.itemText(), "Erős");
    EXPECT_EQ(voltage.itemText(), "11V");
    EXPECT_EQ(rx.itemIndex(), -1);
    EXPECT_EQ(tx.itemIndex(), -1);
}

TEST_F(Decode, OutputsReadModeFlagsAndTimeInSeconds) {
    put(image, 64, {0x1E, 0x0E, 0x10, 0x01, 0x00, 0x00});  // arm/disarm with bits 1-3; 3600 s; output 2 bistable, 0 s
    decode();
    EXPECT_EQ(editor.ComboKi1.itemIndex(), 2);
    EXPECT_TRUE(c<CheckBox>("CheckBox1KI1").checked());
    EXPECT_TRUE(c<CheckBox>("CheckBox2KI1").checked());
    EXPECT_TRUE(c<CheckBox>("CheckBox3KI1").checked());
    EXPECT_FALSE(editor.SpinKI1.enabled());  // the mode rule ran
    EXPECT_EQ(editor.SpinKI1.value(), 3600);
    EXPECT_EQ(editor.outputTime(1), 3600);
    EXPECT_EQ(editor.ComboKi2.itemIndex(), 1);
    EXPECT_EQ(editor.SpinKI2.value(), 1);  // 0 shows as the minimum, and the time follows
    EXPECT_EQ(editor.outputTime(2), 1);
}

TEST_F(Decode, AMinutesViewDoesNotScaleTheTimesRead) {
    editor.setTimeUnit(1, kMinutesItem);
    editor.setTimeUnit(2, kMinutesItem);
    put(image, 64, {0, 0x01, 0x2C, 0, 0x00, 0x5A});  // 300 s and 90 s
    decode();
    EXPECT_EQ(editor.KI1SECMIN.itemIndex(), kSecondsItem);
    EXPECT_EQ(editor.KI2SECMIN.itemIndex(), kSecondsItem);
    EXPECT_EQ(editor.outputTime(1), 300);
    EXPECT_EQ(editor.outputTime(2), 90);
    EXPECT_EQ(editor.SpinKI2.maxValue(), 65535);
}

TEST_F(Decode, TemperatureLimitsOnlyForATemperatureInputInUse) {
    image[48] = 0;  // not used
    image[82] = 40;
    decode();
    EXPECT_EQ(editor.SpinEdit6.value(), 0);
    EXPECT_FALSE(editor.SpinEdit6.enabled());
    EXPECT_FALSE(editor.hkompmax.enabled());

    image[48] = 1;
    image[82] = 40;
    image[83] = 255;
    decode();
    EXPECT_TRUE(editor.hkompmax.checked());
    EXPECT_EQ(editor.SpinEdit6.value(), 40);
    EXPECT_TRUE(editor.SpinEdit6.enabled());
    EXPECT_FALSE(editor.hkompmin.checked());
    EXPECT_EQ(editor.SpinEdit7.value(), 0);
    image[82] = 200;
    decode();
    EXPECT_EQ(editor.SpinEdit6.value(), 120);
}

TEST_F(Decode, FirmwareVersionAndBuildInTheStatusBar) {
    image[254] = 38;
    image[252] = 5;
    decode();
    EXPECT_EQ(editor.firmwareVersion(), 38);
    EXPECT_EQ(editor.StatusBar1.panel(2), "Sw: 3.8.5");
    image[252] = 255;
    image[254] = 41;
    decode();
    EXPECT_EQ(editor.StatusBar1.panel(2), "Sw: 4.1.0");
}

TEST_F(Decode, TheSmsHeaderSlotDependsOnTheDeviceType) {
    putText(image, 896, "Nyitas");
    putText(image, 1280, "Fejlec");
    decode();
    EXPECT_EQ(editor.Edit12.text(), "Fejlec");
    EXPECT_EQ(editor.Label181.caption(), "114");
    editor.setDeviceType(kTypeCid);
    decode();
    EXPECT_EQ(editor.Edit12.text(), "Nyitas");
    EXPECT_EQ(c<Edit>("Edit17").text(), "Nyitas");
}

TEST_F(Decode, GprsStringsAndThePresetChoice) {
    Image written = filledImage(0xFF);
    editor.ComboBox14.setItemIndex(1);
    editor.userChanged("ComboBox14");
    encodeImage(editor, written, {});
    Z4Editor other(kTypeCid);
    decodeImage(written, other);
    EXPECT_EQ(other.Edit10.text(), kPresetAccessPoint);
    EXPECT_EQ(other.Edit11.text(), kPresetServer);
    EXPECT_EQ(other.ComboBox14.itemIndex(), 1);
    other.Edit11.setText("other.example");
    encodeImage(other, written, {});
    decodeImage(written, other);
    EXPECT_EQ(other.ComboBox14.itemIndex(), 0);
}

TEST_F(Decode, RemoteMonitoringCodesAndStations) {
    put(image, 1024, {1, 2, 3, 10});
    put(image, 1040, {1, 3, 10, 10, 10, 1});
    put(image, 1168, {6, 0, 2});
    putText(image, 1248, "0612345678");
    decode();
    EXPECT_EQ(c<Edit>("CIDUGYFEL").text(), "1230");
    EXPECT_EQ(c<Edit>("CIDbe1").text(), "130");
    EXPECT_EQ(c<Edit>("ZONAbe1").text(), "001");
    EXPECT_EQ(c<Edit>("CIDelet").text(), "6x2");
    EXPECT_EQ(c<Edit>("TAV1").text(), "0612345678");
    EXPECT_EQ(c<Edit>("TAV2").text(), "");
}
