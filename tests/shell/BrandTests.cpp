#include <gtest/gtest.h>

#include "brand/Brand.h"

using namespace vardeck;

namespace {

const std::string kStandardTitle = "Vardeck program version 2018.04.05 / GSM Firmware: 4.3.5";

struct BrandRow {
    int code;
    const char* key;
    std::string title;
    std::string caption;
    const char* company;
    const char* label3;
    const char* imageCompany;
    const char* firmwareLabel;
};

}  // namespace

TEST(Brand, EveryBrandHasItsRow) {
    const std::string kvex = "K-VEX Read program version 2018.04.05 / GSM Firmware: 4.3.5";
    const std::string torvel = "TORVEL Read program version 2018.04.05 / GSM Firmware: 4.3.5";
    const BrandRow rows[] = {
        {1, "\\software\\GSM\\TRIX", kStandardTitle, "T-RIX PRG Firmware: 4.3.5 / 2019.01", "TRIX", "", "TRIX",
         "Firmware: 4.3.5 / 2019.01"},
        {10, "\\software\\GSM\\TRIX", kStandardTitle, "Quorvex PRG", "*QUORvex", "Quorvex GSM module", "TRIX", ""},
        {20, "\\software\\GSM\\TRIX", kStandardTitle, "Galvane GSM", "*Galvane GSM", "Galvane GSM module", "TRIX", ""},
        {30, "\\software\\GSM\\TRIX", kStandardTitle, kStandardTitle, "*Cadrel-unit", "VEMTAS", "TRIX", ""},
        {40, "\\software\\GSM\\KVEX", kvex, kvex, "KVEX", "KVEX", "KVEX", "Firmware: 4.3.5 / 2019.01"},
        {41, "\\software\\GSM\\TORVEL", torvel, torvel, "TORVEL", "TORVEL", "TORVEL", "Firmware: 4.3.5 / 2019.01"},
        {50, "\\software\\Vantrix\\Vantrix", kStandardTitle, "Vantrix software", "Pemo", "Ostera", "Ostera", ""},
    };
    for (const BrandRow& row : rows) {
        SCOPED_TRACE(row.code);
        const BrandInfo& info = brandInfo(row.code);
        EXPECT_EQ(info.code, row.code);
        EXPECT_EQ(info.brandKey, row.key);
        EXPECT_EQ(info.programTitle, row.title);
        EXPECT_EQ(info.configuratorCaption, row.caption);
        EXPECT_EQ(info.companyDefault, row.company);
        EXPECT_EQ(info.label3Text, row.label3);
        EXPECT_EQ(info.imageCompanyName, row.imageCompany);
        EXPECT_EQ(info.firmwareLabelText, row.firmwareLabel);
    }
}

TEST(Brand, UnknownCodeBehavesAsBrandOne) {
    const BrandInfo& odd = brandInfo(77);
    EXPECT_EQ(odd.code, 77);
    EXPECT_EQ(odd.brandKey, brandInfo(1).brandKey);
    EXPECT_EQ(odd.configuratorCaption, brandInfo(1).configuratorCaption);
    EXPECT_EQ(&brandInfo(77), &odd);
}

TEST(Brand, BuildBrandIsTheConfiguredOne) {
    EXPECT_EQ(brandCode(), VARDECK_BRAND);
    EXPECT_EQ(&currentBrand(), &brandInfo(VARDECK_BRAND));
}
