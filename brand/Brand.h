#pragma once
#include <string>

namespace vardeck {

// What the brand code fixed at build time changes in the program.
struct BrandInfo {
    int code;
    std::string brandKey;             // settings key path, e.g. "\software\GSM\TRIX"
    std::string programTitle;         // window caption used by some brands
    std::string configuratorCaption;  // caption of the Z-4 configurator
    std::string companyDefault;       // "company" value stored when missing
    std::string label3Text;           // Form1's Label3 when the configurator is activated; empty = unchanged
    std::string imageCompanyName;     // company field of the image when "company" has no leading "*"
    std::string firmwareLabelText;    // Label2 of the firmware-download view; empty = unchanged
};

// The module firmware this program carries, as shown in captions.
inline constexpr const char* kFirmwareText = "4.3.5 / 2019.01";

// The brand of this build (the VARDECK_BRAND build option).
int brandCode();
// The table row of a brand code; unknown codes get brand 1's row with their own code.
const BrandInfo& brandInfo(int code);
inline const BrandInfo& currentBrand() { return brandInfo(brandCode()); }

}  // namespace vardeck
