#include "brand/ModelTexts.h"

namespace vardeck {

bool isZ4FamilyCode(int code) {
    using namespace devicecode;
    return code == kZ4 || code == kZ4Branded || code == kZ1 || code == kZGps || code == kZCid;
}

namespace {

ModelTexts same(const char* text) { return {text, text}; }

ModelTexts standardTexts(int code) {
    switch (code) {
        case devicecode::kZ4: return same("Z-4");
        case devicecode::kZ4Branded: return same("T-RIX");
        case devicecode::kZ1: return {"Z-1", "Z-1_PC"};
        case devicecode::kZGps: return same("Z-GPS");
        case devicecode::kZCid: return {"Z_CID", "Z-CID"};
        default: return {};
    }
}

}  // namespace

ModelTexts z4ModelTexts(int brand, int code) {
    using namespace devicecode;
    switch (brand) {
        case 10:
            if (code == kZ4 || code == kZ4Branded) return same("Quorvex GSM4");
            if (code == kZ1) return same("Quorvex GSM1");
            if (code == kZGps) return {"Z-GPS", "Quorvex GPS"};
            if (code == kZCid) return same("Quorvex CID");
            break;
        case 20:
            if (code == kZ4 || code == kZ4Branded || code == kZ1) return same("Galvane GSM");
            break;
        case 30:
            if (code == kZ1) return same("VEMTA");
            if (code == kZGps) return {"Z-GPS", "VEMTA"};
            if (code == kZCid) return same("VEMTAS-CID");
            break;
        case 40:
            if (code == kZ4Branded) return same("K-VEX");
            break;
        case 41:
            if (code == kZ4Branded) return same("TORVEL");
            break;
        case 50:
            if (code == kZ4Branded) return same("Ostera");
            break;
        default: break;
    }
    return standardTexts(code);
}

std::string gprsModuleFoundText(int brand) {
    return brand == 10 ? "Quorvex GPRS-CID found" : "Z-GPRS-CID found";
}

}  // namespace vardeck
