#include <gtest/gtest.h>

#include <vector>

#include "z4config/Cp1250.h"
#include "z4config/GprsStrings.h"
#include "z4config/ImageEncodings.h"
#include "controls/Utf8.h"

using namespace vardeck::z4config;

namespace {
std::vector<std::uint8_t> cp(std::string_view text) { return utf8ToCp1250(text); }
}  // namespace

TEST(CodePage1250, ConvertsTheHungarianGermanAndSlovenianLettersExactly) {
    const std::string letters = "áéíóöőúüűÁÉÍÓÖŐÚÜŰäöüßÄÖÜčšžČŠŽćđĆĐ";
    const std::vector<std::uint8_t> bytes = cp(letters);
    ASSERT_EQ(bytes.size(), vardeck::controls::utf8Length(letters));
    EXPECT_EQ(bytes[0], 0xE1);   // á
    EXPECT_EQ(bytes[5], 0xF5);   // ő
    EXPECT_EQ(bytes[8], 0xFB);   // ű
    EXPECT_EQ(bytes[14], 0xD5);  // Ő
    EXPECT_EQ(bytes[21], 0xDF);  // ß
    EXPECT_EQ(bytes[25], 0xE8);  // č
    EXPECT_EQ(bytes[26], 0x9A);  // š
    EXPECT_EQ(bytes[27], 0x9E);  // ž
    EXPECT_EQ(bytes[34], 0xD0);  // Đ
    EXPECT_EQ(cp1250ToUtf8(bytes.data(), bytes.size()), letters);
    EXPECT_EQ(cp("€„‰ˇ˙"), (std::vector<std::uint8_t>{0x80, 0x84, 0x89, 0xA1, 0xFF}));
}

TEST(CodePage1250, EveryByteReadsBackToItself) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        EXPECT_EQ(unicodeToCp1250(cp1250ToUnicode(byte)), byte) << b;  // the five undefined bytes included
    }
}

TEST(CodePage1250, ReplacesCharactersItDoesNotHaveByOneQuestionMarkEach) {
    EXPECT_EQ(cp("a€ñ漢\U0001F600b"), (std::vector<std::uint8_t>{'a', 0x80, '?', '?', '?', 'b'}));
    EXPECT_FALSE(cp1250Has(U'ñ'));
    EXPECT_TRUE(cp1250Has(U'ő'));
    EXPECT_EQ(cp(std::string("x\xFFy", 3)), (std::vector<std::uint8_t>{'x', '?', 'y'}));  // invalid UTF-8
}

TEST(TextSlot, MapsTheFourLowerCaseAccentsOnlyAndEndsShortTexts) {
    Image image{};
    writeTextSlot(slotOf(image, 512, 32), "Áá é í ó ö ü");
    EXPECT_EQ(image[512], 0xC1);  // capital Á passes
    EXPECT_EQ(image[513], 0xE0);
    EXPECT_EQ(image[515], 0xE8);
    EXPECT_EQ(image[517], 0xEC);
    EXPECT_EQ(image[519], 0xF2);
    EXPECT_EQ(image[521], 0xF6);  // ö unchanged
    EXPECT_EQ(image[523], 0xFC);  // ü unchanged
    EXPECT_EQ(image[524], kEnd);

    EXPECT_EQ(readTextSlot(slotOf(image, 512, 32)), "Áá é í ó ö ü");
    EXPECT_EQ(image[513], 0xE1);  // the reading direction is stored back in place

    writeTextSlot(slotOf(image, 544, 32), "a˙b");  // 0xFF would end the text early
    EXPECT_EQ(readTextSlot(slotOf(image, 544, 32)), "a?b");
    writeTextSlot(slotOf(image, 544, 32), "");
    EXPECT_EQ(image[544], kEnd);
    EXPECT_EQ(readTextSlot(slotOf(image, 544, 32)), " ");  // empty reads as one space

    const std::string full(32, 'x');
    image[576 + 32] = 0x55;
    writeTextSlot(slotOf(image, 576, 32), full + "yz");  // cut to the slot, no terminator
    EXPECT_EQ(image[576 + 31], 'x');
    EXPECT_EQ(image[576 + 32], 0x55);
    EXPECT_EQ(readTextSlot(slotOf(image, 576, 32)), full);
}

TEST(PhoneSlot, StoresDialableCharactersUpToTheFirstOther) {
    Image image;
    image.fill(0xAA);
    writePhoneSlot(slotOf(image, 256, 16), "36301 234", PhoneChars::Dialable);
    EXPECT_EQ(std::string(image.begin() + 256, image.begin() + 261), "36301");
    EXPECT_EQ(image[261], kEnd);
    EXPECT_EQ(image[262], 0xAA);  // nothing after the terminator

    writePhoneSlot(slotOf(image, 272, 16), "+363012345678901", PhoneChars::Dialable);  // 16 characters
    EXPECT_EQ(image[287], '1');
    EXPECT_EQ(image[288], 0xAA);
    EXPECT_EQ(readPhoneSlot(slotOf(image, 272, 16)), "+363012345678901");  // stops after 16 bytes

    writePhoneSlot(slotOf(image, 1248, 16), "06-1 234", PhoneChars::AsTyped);
    EXPECT_EQ(readPhoneSlot(slotOf(image, 1248, 16)), "06-1 234");
    writePhoneSlot(slotOf(image, 1248, 16), "", PhoneChars::AsTyped);
    EXPECT_EQ(image[1248], kEnd);
    EXPECT_EQ(readPhoneSlot(slotOf(image, 1248, 16)), "");
}

TEST(DigitCode, WritesAndReadsTheContactIdCharacters) {
    Image image{};
    writeDigitCode(slotOf(image, 1040, 3), "A30");
    EXPECT_EQ(image[1040], 10);
    EXPECT_EQ(image[1041], 3);
    EXPECT_EQ(image[1042], 10);
    EXPECT_EQ(readDigitCode(slotOf(image, 1040, 3)), "030");
    writeDigitCode(slotOf(image, 1040, 3), "R?");
    EXPECT_EQ(readDigitCode(slotOf(image, 1040, 3)), "3?x");
    EXPECT_EQ(image[1042], 255);  // beyond the text
    for (int b : {0, 16, 62, 64, 255}) EXPECT_EQ(digitCodeChar(static_cast<std::uint8_t>(b)), 'x');
    for (char32_t c : {U'a', U'x', U'G', U'é'}) EXPECT_EQ(digitCodeByte(c), 255);
}

TEST(NumberCodings, WordsDigitsAndCodedBytes) {
    Image image{};
    writeWord(slotOf(image, 65, 2), 300);
    EXPECT_EQ(image[65], 0x01);
    EXPECT_EQ(image[66], 0x2C);
    writeTwoDigits(slotOf(image, 71, 2), 7);
    EXPECT_EQ(image[71], 0x30);
    EXPECT_EQ(image[72], 0x37);
    EXPECT_EQ(readTwoDigits(slotOf(image, 71, 2)), 7);

    EXPECT_EQ(receiveItemOf(170), 5);  // "6" (175)
    EXPECT_EQ(receiveItemOf(160), 6);  // "7"
    EXPECT_EQ(receiveItemOf(100), 9);  // "10"
    EXPECT_EQ(receiveItemOf(230), 0);
    EXPECT_EQ(receiveItemOf(231), -1);
    EXPECT_EQ(filterItemOf(2, 4), 4);  // 2 keeps the current item
    EXPECT_EQ(filterItemOf(9, 0), 2);
    EXPECT_EQ(filterItemOf(59, 0), 3);
    EXPECT_EQ(filterItemOf(255, 0), 4);
    EXPECT_EQ(voltageItemOf(70), -1);
    EXPECT_EQ(voltageItemOf(65), 3);
    EXPECT_EQ(codeOfItem(kVoltageCodes, -1, kVoltageDefault), 76);
    EXPECT_EQ(codeOfItem(kFilterCodes, 4, kFilterDefault), 60);
}

TEST(Slots, OutsideTheImageIsRefused) {
    Image image{};
    EXPECT_THROW(slotOf(image, 8190, 3), std::out_of_range);
    EXPECT_THROW(slotOf(image, 9000, 0), std::out_of_range);
    EXPECT_NO_THROW(slotOf(image, 8176, 16));
}

TEST(GprsStrings, LayOutServerAndAccessPointAndReadThemBack) {
    Image image;
    image.fill(0);
    writeServerString(image, "szerver.hu");
    EXPECT_EQ(std::string(image.begin() + 400, image.begin() + 426), "\"UDP\",\"szerver.hu\",\"53500\"");
    EXPECT_EQ(image[426], kEnd);
    EXPECT_EQ(readServerAddress(image), "szerver.hu");

    const std::string longest(kServerMaxLength, 's');
    writeServerString(image, longest + "cut");
    EXPECT_EQ(readServerAddress(image), longest);  // every stored address reads back whole
    EXPECT_EQ(image[400 + 7 + 45 + 9], kEnd);

    writeAccessPointString(image, "net.é");
    EXPECT_EQ(std::string(image.begin() + 640, image.begin() + 653), "\"net.\xE8\",\"\",\"\"");
    EXPECT_EQ(readAccessPointName(image), "net.é");
    image.fill(kEnd);
    EXPECT_EQ(readAccessPointName(image), " ");
    EXPECT_EQ(readServerAddress(image), "");
}
