#include <gtest/gtest.h>

#include "controls/ControlRegistry.h"
#include "controls/Controls.h"
#include "controls/Utf8.h"

using namespace vardeck::controls;

TEST(SpinEdit, KeepsItsValueInsideTheRangeAsTheSpinEditShowsIt) {
    SpinEdit spin("SpinEdit4", 3, 180, 30);
    EXPECT_TRUE(spin.setValue(1000));
    EXPECT_EQ(spin.value(), 180);
    EXPECT_TRUE(spin.setValue(-5));
    EXPECT_EQ(spin.value(), 3);
    EXPECT_FALSE(spin.setValue(2));  // limited to 3 again: no change
    spin.setValue(100);
    EXPECT_TRUE(spin.setRange(1, 50));  // a narrower range pulls the value in
    EXPECT_EQ(spin.value(), 50);
    EXPECT_TRUE(SpinEdit("x", 1, 10, 99).inRange(10));
    EXPECT_EQ(SpinEdit("x", 1, 10, 99).value(), 10);
}

TEST(ComboBox, AnIndexOutsideTheListLeavesNoSelection) {
    ComboBox box("ComboBox17", {"1", "2", "3"}, 1);
    EXPECT_EQ(box.itemText(), "2");
    EXPECT_TRUE(box.setItemIndex(3));
    EXPECT_EQ(box.itemIndex(), -1);
    EXPECT_EQ(box.itemText(), "");
    EXPECT_FALSE(box.setItemIndex(-7));
    box.setItemIndex(0);
    box.setItemCaption(0, "+36301234567");
    EXPECT_EQ(box.itemText(), "+36301234567");
}

TEST(CheckList, PacksItsCheckMarksIntoBits) {
    CheckList list("SMSst1", {"a", "b", "c", "d", "e", "f", "g", "h"});
    list.setCheckedBits(0xA5);
    EXPECT_TRUE(list.checked(0));
    EXPECT_FALSE(list.checked(1));
    EXPECT_TRUE(list.checked(7));
    list.setChecked(2, false);
    list.setChecked(1, true);
    EXPECT_EQ(list.checkedBits(), 0xA3u);
}

TEST(Edit, AcceptsWhatAUserCouldTypeIntoIt) {
    EditMask phone;
    phone.positions.assign(16, "0123456789");
    phone.positions[0] = "0123456789+-";
    Edit masked("MaskEdit1", "", 16, phone);
    EXPECT_TRUE(masked.accepts("+36301234567"));
    EXPECT_TRUE(masked.accepts("3630 123"));  // a blank position
    EXPECT_FALSE(masked.accepts("36+30"));     // '+' only in the first position
    EXPECT_FALSE(masked.accepts("12345678901234567"));
    EXPECT_FALSE(masked.accepts("é"));

    Edit text("riasztas", "", 4);
    EXPECT_TRUE(text.accepts("ővíz"));  // 4 characters, 6 bytes
    EXPECT_FALSE(text.accepts("ővízű"));
    EXPECT_FALSE(text.accepts(std::string("a\xC3", 2)));  // cut-off UTF-8
    text.setText("ővíz");
    EXPECT_EQ(text.length(), 4u);
}

TEST(ControlRegistry, FindsControlsByNameAndKind) {
    ControlRegistry registry;
    registry.add<CheckBox>("CheckBox11", "Életjel küldés");
    registry.add<SpinEdit>("SpinEdit1", 1, 255, 7);
    EXPECT_EQ(registry.get<SpinEdit>("SpinEdit1").value(), 7);
    EXPECT_EQ(registry.find("nope"), nullptr);
    EXPECT_THROW(registry.get<CheckBox>("SpinEdit1"), std::logic_error);
    EXPECT_THROW(registry.get<CheckBox>("nope"), std::logic_error);
    EXPECT_THROW(registry.add<CheckBox>("CheckBox11", "again"), std::logic_error);
    ASSERT_EQ(registry.all().size(), 2u);
    EXPECT_EQ(registry.all()[0]->name(), "CheckBox11");  // creation order
}

TEST(Utf8, CountsCharactersAndReplacesEveryInvalidByte) {
    EXPECT_EQ(utf8Length("Árvíztűrő"), 9u);
    EXPECT_EQ(utf8Left("Árvíztűrő", 3), "Árv");
    EXPECT_EQ(utf8Left("ab", 10), "ab");
    const std::u32string decoded = utf8Decode(std::string("a\xFF\xC3\xA9\xE2\x82", 6));
    EXPECT_EQ(decoded, (std::u32string{U'a', kReplacementChar, U'é', kReplacementChar, kReplacementChar}));
    EXPECT_FALSE(utf8Valid("\xC0\xAF"));        // overlong '/'
    EXPECT_FALSE(utf8Valid("\xED\xA0\x80"));    // surrogate
    EXPECT_TRUE(utf8Valid("\xF0\x9F\x98\x80"));  // U+1F600
    EXPECT_EQ(utf8Encode(U"\U0001F600ő"), "\xF0\x9F\x98\x80ő");
}
