#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "controls/DigitConversions.h"

namespace vardeck {
namespace {

TEST(DigitConversions, TextToBytesFillsTheField) {
    std::array<uint8_t, 8> copy{};
    copy.fill(0xEE);
    DigitTextToBytes("1A", 4, copy, 2);
    EXPECT_EQ(copy, (std::array<uint8_t, 8>{0xEE, 0xEE, 1, 10, 0x58, 0x58, 0xEE, 0xEE}));
}

TEST(DigitConversions, TextToBytesTableAndCase) {
    std::array<uint8_t, 11> copy{};
    DigitTextToBytes("19BFa0G", 11, copy, 0);
    // Lower case and "0" are no digits; a multi-byte character is one position.
    EXPECT_EQ(copy, (std::array<uint8_t, 11>{1, 9, 11, 15, 0x58, 0x58, 0x58, 0x58, 0x58, 0x58, 0x58}));
    DigitTextToBytes("\xC3\xA9" "2", 2, copy, 0);  // "é2"
    EXPECT_EQ(copy[0], 0x58);
    EXPECT_EQ(copy[1], 2);
}

TEST(DigitConversions, TextToBytesNeverWritesOutsideTheCopy) {
    std::array<uint8_t, 4> copy{};
    DigitTextToBytes("1234", 4, copy, 2);
    EXPECT_EQ(copy, (std::array<uint8_t, 4>{0, 0, 1, 2}));
    DigitTextToBytes("5", 3, copy, -2);
    EXPECT_EQ(copy, (std::array<uint8_t, 4>{0x58, 0, 1, 2}));
}

TEST(DigitConversions, BytesToTextSkipsNonDigitsAndStripsTheOffBit) {
    const std::vector<uint8_t> bytes{0x8C, 0x02, 0x58, 0x0F};
    EXPECT_EQ(BytesToDigitText(bytes), "C2F");
    // 0x80 itself is not above 0x80; 0xD8 is the filler with the off bit.
    const std::vector<uint8_t> edges{0x80, 0x81, 0x8A, 0xD8, 0xFF, 0x00, 0x10};
    EXPECT_EQ(BytesToDigitText(edges), "1A");
}

TEST(DigitConversions, RoundTripOfACodeField) {
    std::array<uint8_t, 11> copy{};
    DigitTextToBytes("12A4", 11, copy, 0);
    EXPECT_EQ(BytesToDigitText(copy), "12A4");
    copy[0] = static_cast<uint8_t>(copy[0] + 128);  // switched off
    EXPECT_EQ(BytesToDigitText(copy), "12A4");
}

TEST(DigitConversions, IsDigitText) {
    EXPECT_TRUE(IsDigitText(""));
    EXPECT_TRUE(IsDigitText("19abcdefABCDEF"));
    EXPECT_FALSE(IsDigitText("0"));
    EXPECT_FALSE(IsDigitText("1203"));
    EXPECT_FALSE(IsDigitText("1G"));
    EXPECT_FALSE(IsDigitText("\xC3\xA9"));
}

TEST(DigitConversions, TidyCodeTextOnePass) {
    EXPECT_EQ(TidyCodeText("120"), "12A");
    EXPECT_EQ(TidyCodeText("1b"), "1B");
    EXPECT_EQ(TidyCodeText("12G"), "12");
    EXPECT_EQ(TidyCodeText(""), "");
    // One pass removes one character, whatever the case of the rest.
    EXPECT_EQ(TidyCodeText("1G2b"), "1G2");
    EXPECT_EQ(TidyCodeText("12\xC3\xA9"), "12");
}

TEST(DigitConversions, TidyCodeFieldRepeatsUntilStable) {
    // An invalid character pasted in the middle eats the text from the end.
    EXPECT_EQ(TidyCodeFieldText("1G2b"), "1");
    EXPECT_EQ(TidyCodeFieldText("ab0"), "ABA");
    EXPECT_EQ(TidyCodeFieldText("x0"), "");
    EXPECT_EQ(TidyCodeFieldText("FFFFFFFFFFF"), "FFFFFFFFFFF");
}

}  // namespace
}  // namespace vardeck
