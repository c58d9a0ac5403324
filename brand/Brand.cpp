#include "brand/Brand.h"

#include <map>
#include <mutex>

#ifndef VARDECK_BRAND
#error "VARDECK_BRAND must be defined by the build (the brand code of this build)"
#endif

namespace vardeck {
namespace {

const std::string kTrixKey = "\\software\\GSM\\TRIX";
const std::string kStandardTitle = "Vardeck program version 2018.04.05 / GSM Firmware: 4.3.5";
const std::string kFirmwareLabel = std::string("Firmware: ") + kFirmwareText;

BrandInfo standardBrand(int code) {
    return {code,
            kTrixKey,
            kStandardTitle,
            std::string("T-RIX PRG Firmware: ") + kFirmwareText,
            "TRIX",
            "",
            "TRIX",
            kFirmwareLabel};
}

// Brands whose configurator caption is the program title itself.
BrandInfo titledBrand(int code, std::string key, std::string title, std::string company) {
    return {code, std::move(key), title, title, company, company, company, kFirmwareLabel};
}

// Relabels of the standard program: own caption, company default and Label3 text.
BrandInfo relabelledBrand(int code, std::string caption, std::string company, std::string label3) {
    return {code, kTrixKey, kStandardTitle, std::move(caption), std::move(company), std::move(label3), "TRIX", ""};
}

std::map<int, BrandInfo> makeBrandTable() {
    std::map<int, BrandInfo> table;
    table.emplace(1, standardBrand(1));
    table.emplace(10, relabelledBrand(10, "Quorvex PRG", "*QUORvex", "Quorvex GSM module"));
    table.emplace(20, relabelledBrand(20, "Galvane GSM", "*Galvane GSM", "Galvane GSM module"));
    table.emplace(30, relabelledBrand(30, kStandardTitle, "*Cadrel-unit", "VEMTAS"));
    table.emplace(40, titledBrand(40, "\\software\\GSM\\KVEX",
                                  "K-VEX Read program version 2018.04.05 / GSM Firmware: 4.3.5", "KVEX"));
    table.emplace(41, titledBrand(41, "\\software\\GSM\\TORVEL",
                                  "TORVEL Read program version 2018.04.05 / GSM Firmware: 4.3.5", "TORVEL"));
    BrandInfo vantrix = relabelledBrand(50, "Vantrix software", "Pemo", "Ostera");
    vantrix.brandKey = "\\software\\Vantrix\\Vantrix";
    vantrix.imageCompanyName = "Ostera";
    table.emplace(50, vantrix);
    return table;
}

}  // namespace

int brandCode() { return VARDECK_BRAND; }

const BrandInfo& brandInfo(int code) {
    static std::mutex mutex;
    static std::map<int, BrandInfo> table = makeBrandTable();
    std::lock_guard lock(mutex);
    auto it = table.find(code);
    if (it == table.end()) it = table.emplace(code, standardBrand(code)).first;
    return it->second;
}

}  // namespace vardeck
