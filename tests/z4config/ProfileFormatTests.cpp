#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "z4config/ProfileFormat.h"

using namespace vardeck::z4config;
using namespace vardeck::z4config::testing;

namespace {

CustomerFields sampleCustomer() { return {"Kiss Anna", "Győr, Fő út 1.", "+36301234567", "Központ X", "T-RIX", "2024.05.06."}; }

std::size_t blockAt(std::size_t imageLength, int field) { return imageLength + static_cast<std::size_t>(field) * kCustomerBlockSize; }

}  // namespace

TEST(ProfileFormat, TheDeviceTypeChoosesTheImageLength) {
    const Image image = randomImage(3);
    const auto z4 = makeProfile(image, kTypeTrix, sampleCustomer());
    const auto cid = makeProfile(image, kTypeCid, sampleCustomer());
    ASSERT_EQ(z4.size(), 1792u);
    ASSERT_EQ(cid.size(), 8960u);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 1024, z4.begin()));
    EXPECT_TRUE(std::equal(image.begin(), image.end(), cid.begin()));
}

TEST(ProfileFormat, CustomerBlocksAreCodePage1250WithAZeroAfterTheText) {
    const auto file = makeProfile(Image{}, kTypeZ4, sampleCustomer());
    const std::size_t address = blockAt(1024, 1);
    EXPECT_EQ(file[address], 0);  // byte 0 carries nothing
    const std::string expected = "Gy\xF5r, F\xF5 \xFAt 1.";
    EXPECT_EQ(std::string(file.begin() + address + 1, file.begin() + address + 1 + expected.size()), expected);
    for (std::size_t i = address + 1 + expected.size(); i < address + kCustomerBlockSize; ++i) ASSERT_EQ(file[i], 0) << i;
}

TEST(ProfileFormat, OnlyTheFirst127CharactersAreStored) {
    CustomerFields customer{};
    customer[1] = std::string(127, 'a');
    customer[2] = std::string(128, 'b');
    customer[3] = std::string(100, 'c');
    for (int i = 0; i < 40; ++i) customer[3] += "é";  // characters count, not bytes
    const auto file = makeProfile(Image{}, kTypeZ4, customer);
    EXPECT_EQ(file[blockAt(1024, 1) + 127], 'a');  // fills the block: no terminator
    const ProfileRead read = readProfile(file, kTypeZ4);
    ASSERT_TRUE(read.content);
    EXPECT_EQ(read.content->customer[1], customer[1]);
    EXPECT_EQ(read.content->customer[2], std::string(127, 'b'));
    std::string cut = std::string(100, 'c');
    for (int i = 0; i < 27; ++i) cut += "é";
    EXPECT_EQ(read.content->customer[3], cut);
    EXPECT_EQ(read.content->customer[0], "");
}

TEST(ProfileFormat, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    CustomerFields customer{};
    customer[0] = "Łukasz 😀 Иван";
    customer[1] = std::string("a\0b", 3);  // a NUL would cut the text
    const ProfileRead read = readProfile(makeProfile(Image{}, kTypeZ4, customer), kTypeZ4);
    ASSERT_TRUE(read.content);
    EXPECT_EQ(read.content->customer[0], "Łukasz ? ????");
    EXPECT_EQ(read.content->customer[1], "a?b");
}

TEST(ProfileFormat, AShortProfileIsRefusedForTheCid) {
    const auto z4 = makeProfile(randomImage(1), kTypeZ4, sampleCustomer());
    EXPECT_EQ(readProfile(z4, kTypeCid).problem, ProfileProblem::TooShort);
    EXPECT_FALSE(readProfile(z4, kTypeCid).content);
    EXPECT_EQ(readProfile(std::vector<std::uint8_t>(1024), kTypeZ4).problem, ProfileProblem::TooShort);  // a custom.dat
    EXPECT_EQ(readProfile({}, kTypeZ4).problem, ProfileProblem::TooShort);
    EXPECT_EQ(readProfile(std::vector<std::uint8_t>(8961), kTypeCid).problem, ProfileProblem::TooLong);
}

TEST(ProfileFormat, ACidProfileOpenedForAnotherModelGivesItsOwnCustomerRecord) {
    const Image image = randomImage(2);
    const ProfileRead read = readProfile(makeProfile(image, kTypeCid, sampleCustomer()), kTypeTrix);
    ASSERT_TRUE(read.content);
    EXPECT_EQ(read.content->imageBytes.size(), 1024u);
    EXPECT_TRUE(std::equal(read.content->imageBytes.begin(), read.content->imageBytes.end(), image.begin()));
    EXPECT_EQ(read.content->customer, sampleCustomer());
}

TEST(ProfileFormat, OtherLengthsAreReadByTheConnectedTypesLayout) {
    auto file = makeProfile(randomImage(4), kTypeZ4, sampleCustomer());
    file.resize(3000, 0x55);  // trailing bytes after the record
    const ProfileRead read = readProfile(file, kTypeZ4);
    ASSERT_TRUE(read.content);
    EXPECT_EQ(read.content->customer, sampleCustomer());
    file.resize(1791);
    EXPECT_EQ(readProfile(file, kTypeZ4).problem, ProfileProblem::TooShort);
}
