#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "z4config/GprsStrings.h"

using namespace vardeck::z4config;
using namespace vardeck::controls;

TEST(EditorDefaults, DesignValuesOfTheScreen) {
    Z4Editor editor;
    EXPECT_EQ(editor.SpinKI1.value(), 3);
    EXPECT_EQ(editor.outputTime(1), 3);
    EXPECT_EQ(editor.get<SpinEdit>("SpinEdit17").value(), 1440);
    EXPECT_EQ(editor.get<SpinEdit>("SpinEdit4").minValue(), 3);
    EXPECT_EQ(editor.get<ComboBox>("ComboBox20").itemText(), "11V");
    EXPECT_EQ(editor.get<ComboBox>("ComboBox16").itemText(), "7");
    EXPECT_EQ(editor.get<ComboBox>("ComboBox12").itemText(), "Normál");
    EXPECT_TRUE(editor.get<CheckBox>("GPSbit0").checked());
    EXPECT_FALSE(editor.SpinEdit1.enabled());
    EXPECT_FALSE(editor.get<CheckList>("SMSst5").enabled());
    EXPECT_FALSE(editor.get<CheckBox>("CheckEgyeb3").visible());
    EXPECT_EQ(editor.get<Edit>("Edit18").text(), "zárás");
    EXPECT_EQ(editor.StringGrid3.rowCount(), 160);
}

TEST(PhoneListRefresh, CaptionsAndEnablesEachItemFromItsPhoneField) {
    Z4Editor editor;
    editor.MaskEdit[0]->setText("+36301234567");
    editor.MaskEdit[1]->setText(" 1234");  // first position blank: counts as empty
    editor.setWarningFlag(true);
    editor.refreshPage(Z4Page::Be1);
    auto& sms = editor.get<CheckList>("SMSst1");
    auto& calls = editor.get<CheckList>("VOICEst1");
    EXPECT_EQ(sms.itemCaption(0), "+36301234567");
    EXPECT_TRUE(calls.itemEnabled(0));
    EXPECT_EQ(sms.itemCaption(1), "Phone2");
    EXPECT_FALSE(calls.itemEnabled(1));
    EXPECT_EQ(calls.itemCaption(7), "Phone8");
    EXPECT_FALSE(editor.warningFlag());
}

TEST(PhoneListRefresh, TheZ1HasFourPhonesOnItsPages) {
    Z4Editor editor(kTypeZ1);
    editor.refreshPage(Z4Page::Be1);
    editor.refreshPage(Z4Page::Be3);
    editor.refreshPage(Z4Page::LifeSignal);
    EXPECT_EQ(editor.get<CheckList>("SMSst1").itemCaption(3), "Phone4");
    EXPECT_EQ(editor.get<CheckList>("SMSst1").itemCaption(4), "");
    EXPECT_EQ(editor.get<CheckList>("SMSst11").itemCaption(7), "");
    EXPECT_EQ(editor.get<CheckList>("SMSst3").itemCaption(4), "Phone5");
}

TEST(PhoneListRefresh, TheOtherPageRecaptionsTheTargetListAndKeepsItsItem) {
    Z4Editor editor;
    editor.MaskEdit[2]->setText("+3620");
    editor.ComboBox11.setItemIndex(2);
    editor.refreshPage(Z4Page::Other);
    EXPECT_EQ(editor.ComboBox11.itemText(), "+3620");
    EXPECT_EQ(editor.rememberedRedirection(), 2);
    EXPECT_EQ(editor.ComboBox11.items()[0], "Phone1");
    EXPECT_FALSE(editor.ComboBox11.enabled());  // enabling is not the refresh's business
}

TEST(OutputTimeUnit, MinutesRoundTheTimeDownToWholeMinutes) {
    Z4Editor editor;
    editor.setOutputTime(1, 90);
    editor.KI1SECMIN.setItemIndex(kMinutesItem);
    editor.userChanged("KI1SECMIN");
    EXPECT_EQ(editor.SpinKI1.value(), 1);
    EXPECT_EQ(editor.outputTime(1), 60);
    editor.KI1SECMIN.setItemIndex(kSecondsItem);
    editor.userChanged("KI1SECMIN");
    EXPECT_EQ(editor.SpinKI1.value(), 60);

    editor.setOutputTime(2, 30);
    editor.setTimeUnit(2, kMinutesItem);
    EXPECT_EQ(editor.SpinKI2.value(), 1);
    EXPECT_EQ(editor.outputTime(2), 60);
}

TEST(OutputTimeUnit, AnHourShowsAsSixtyMinutesAndTheMinutesViewStopsAt1092) {
    Z4Editor editor;
    editor.setOutputTime(1, 3600);
    editor.setTimeUnit(1, kMinutesItem);
    EXPECT_EQ(editor.SpinKI1.value(), 60);
    editor.setTimeUnit(1, kSecondsItem);
    EXPECT_EQ(editor.SpinKI1.value(), 3600);

    editor.setTimeUnit(1, kMinutesItem);
    editor.SpinKI1.setValue(5000);
    editor.userChanged("SpinKI1");
    EXPECT_EQ(editor.SpinKI1.value(), 1092);
    EXPECT_EQ(editor.outputTime(1), 65520);
}

TEST(ControlRules, DependentControlsFollowTheirSwitch) {
    Z4Editor editor;
    auto& type3 = editor.get<ComboBox>("ComboBox3");
    type3.setItemIndex(2);
    editor.userChanged("ComboBox3");
    EXPECT_TRUE(editor.get<CheckList>("SMSst3").enabled());
    type3.setItemIndex(0);
    editor.userChanged("ComboBox3");
    EXPECT_FALSE(editor.get<CheckList>("VOICEst3").enabled());

    editor.ComboBox13.setItemIndex(1);
    editor.userChanged("ComboBox13");
    EXPECT_TRUE(editor.hkompmin.enabled());
    EXPECT_TRUE(editor.SpinEdit7.enabled());

    editor.ComboKi2.setItemIndex(1);
    editor.userChanged("ComboKi2");
    EXPECT_FALSE(editor.SpinKI2.enabled());
    EXPECT_FALSE(editor.KI2SECMIN.enabled());

    editor.setChecked(editor.CheckEgyeb2, true);
    EXPECT_TRUE(editor.ComboBox11.enabled());

    editor.Edit12.setText("Árvíztűrő");
    editor.userChanged("Edit12");
    EXPECT_EQ(editor.Label181.caption(), "111");

    editor.ComboBox14.setItemIndex(1);
    editor.userChanged("ComboBox14");
    EXPECT_EQ(editor.Edit10.text(), kPresetAccessPoint);
    editor.ComboBox14.setItemIndex(2);
    editor.userChanged("ComboBox14");
    EXPECT_EQ(editor.Edit11.text(), "");

    editor.userChanged("NoSuchControl");  // a control without a rule: nothing happens
}

TEST(PhoneMenu, DeletesOrPutsAPrefix) {
    Z4Editor editor;
    editor.MaskEdit[3]->setText("06201234567");
    editor.phoneMenuClicked(4, "+3630");
    EXPECT_EQ(editor.MaskEdit[3]->text(), "+3630");
    editor.phoneMenuClicked(4, "Delete");
    EXPECT_TRUE(editor.phoneEmpty(4));
}

TEST(EditorSetUp, EachModelShowsItsControls) {
    Z4Editor z1;
    z1.setUpForDeviceType(kTypeZ1);
    EXPECT_FALSE(z1.MaskEdit[4]->visible());
    EXPECT_FALSE(z1.SpinKI2.visible());
    EXPECT_TRUE(z1.get<Page>("TabSheet16").visible());
    EXPECT_FALSE(z1.get<SpinEdit>("SpinEdit11").visible());

    Z4Editor cid;
    cid.setUpForDeviceType(kTypeCid);
    EXPECT_EQ(cid.deviceType(), kTypeCid);
    EXPECT_TRUE(cid.MaskEdit[7]->visible());
    EXPECT_FALSE(cid.get<SpinEdit>("SpinEdit4").enabled());
    EXPECT_FALSE(cid.get<Edit>("Edit8").enabled());
    EXPECT_TRUE(cid.get<SpinEdit>("SpinEdit14").visible());
    EXPECT_TRUE(cid.get<Page>("TabSheet21").visible());
    EXPECT_FALSE(cid.get<Page>("TabSheet16").visible());
}

TEST(EditorSetUp, TheFirmwareVersionShowsItsFeatures) {
    Z4Editor old;
    old.setUpForDeviceType(kTypeZ4);
    old.adaptToFirmware(33, 1);
    EXPECT_FALSE(old.get<CheckBox>("best45").visible());
    EXPECT_FALSE(old.get<Page>("TabSheet24").visible());
    EXPECT_FALSE(old.get<ComboBox>("ComboBox20").visible());
    EXPECT_TRUE(old.get<CheckBox>("CheckEgyeb3").visible());  // Z-4 from version 18
    EXPECT_TRUE(old.get<CheckBox>("CheckEgyeb6").visible());
    EXPECT_EQ(old.firmwareVersion(), 33);

    Z4Editor recent;
    recent.setUpForDeviceType(kTypeTrix);
    recent.adaptToFirmware(41, 1);
    EXPECT_TRUE(recent.get<Page>("TabSheet24").visible());
    EXPECT_TRUE(recent.get<CheckBox>("best107").visible());
    EXPECT_TRUE(recent.get<Button>("Button16").visible());
    EXPECT_FALSE(recent.get<CheckBox>("CheckEgyeb3").visible());  // not a Z-4

    Z4Editor brand20;
    brand20.adaptToFirmware(41, 20);
    EXPECT_FALSE(brand20.get<CheckBox>("CheckEgyeb5").visible());
}
