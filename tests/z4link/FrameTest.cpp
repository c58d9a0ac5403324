#include <gtest/gtest.h>

#include "z4link/Frame.h"
#include "z4link/NumberText.h"

namespace vardeck {
namespace {

Frame bytes(uint8_t a, uint8_t b, uint8_t c, uint8_t d, uint8_t e, uint8_t f) {
    return Frame{a, b, c, d, e, f};
}

TEST(Frame, WorkedExamples) {
    EXPECT_EQ(makeFrame(0x00, 0x00, 0xFE, 0x00), bytes(0x00, 0x00, 0xFE, 0x00, 0x02, 0xFD));
    EXPECT_EQ(makeFrame(0x00, 0xFF, 0xAA, 0x00), bytes(0x00, 0xFF, 0xAA, 0x00, 0x57, 0xA8));
    EXPECT_EQ(makeFrame(0x00, 0x01, 0x50, 0x03), bytes(0x00, 0x01, 0x50, 0x03, 0xAC, 0x53));
    EXPECT_EQ(makeFrame(0xAB, 0x00, 0xFE, 0x26), bytes(0xAB, 0x00, 0xFE, 0x26, 0x31, 0xCE));
    EXPECT_EQ(makeFrame(0x00, 0xFA, 0x0F, 0xE0), bytes(0x00, 0xFA, 0x0F, 0xE0, 0x17, 0xE8));
}

TEST(Frame, SumWrapsBothWays) {
    // Payload summing to 0: minus one wraps to 0xFF.
    EXPECT_EQ(makeFrame(0, 0, 0, 0), bytes(0x00, 0x00, 0x00, 0x00, 0x00, 0xFF));
    EXPECT_EQ(makeFrame(0x02, 0x04, 0x10, 0x01), bytes(0x02, 0x04, 0x10, 0x01, 0xE9, 0x16));
    // Payload above 255 wraps down.
    EXPECT_EQ(makeFrame(0xFF, 0xFF, 0xFF, 0xFF), bytes(0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0xFB));
}

TEST(Frame, SearchProbes) {
    EXPECT_EQ(kIdentificationFrame, bytes(0x00, 0x00, 0xFF, 0x00, 0x01, 0xFE));
    EXPECT_EQ(kSecondProbeFrame, bytes(0xA0, 0xFE, 0x00, 0x00, 0x62, 0x9D));
}

TEST(Frame, CheckTellsSumFromComplementFailures) {
    Frame f = makeFrame(0xAB, 0x00, 0xFF, 71);
    EXPECT_EQ(checkFrame(f.data()), FrameCheck::Valid);
    Frame wrongSum = f;
    wrongSum[5] ^= 1;
    EXPECT_EQ(checkFrame(wrongSum.data()), FrameCheck::WrongSum);
    // A wrong sum is reported as such even when the complement is wrong too.
    wrongSum[4] ^= 1;
    EXPECT_EQ(checkFrame(wrongSum.data()), FrameCheck::WrongSum);
    Frame wrongComplement = f;
    wrongComplement[4] ^= 0x80;
    EXPECT_EQ(checkFrame(wrongComplement.data()), FrameCheck::WrongComplement);
}

TEST(Frame, DataSumHasNoMinusOne) {
    std::array<uint8_t, 256> block{};
    block[0] = 0x80;
    block[255] = 0x80;  // adds up to exactly 256
    EXPECT_EQ(dataSum(block.data(), block.size()), 0x00);
    block[1] = 5;
    EXPECT_EQ(dataSum(block.data(), block.size()), 0x05);
}

TEST(NumberText, FourDigitsAndPhonebookIndex) {
    EXPECT_EQ(fourDigitText(0), "0000");
    EXPECT_EQ(fourDigitText(7), "0007");
    EXPECT_EQ(fourDigitText(42), "0042");
    EXPECT_EQ(fourDigitText(250), "0250");
    EXPECT_EQ(fourDigitText(999), "0999");
    EXPECT_EQ(fourDigitText(1000), "1000");
    EXPECT_EQ(phonebookIndexText(7), "007");
    EXPECT_EQ(phonebookIndexText(42), "042");
    EXPECT_EQ(phonebookIndexText(250), "250");
}

}  // namespace
}  // namespace vardeck
