#include "sim/DeviceCatalog.h"

#include "sim/ConverterModel.h"
#include "sim/GeofenceModel.h"
#include "sim/GprsModuleModel.h"
#include "sim/TrackerModel.h"
#include "sim/Z4FamilyModel.h"

#include <algorithm>

namespace vardeck::sim {

const std::vector<int>& knownDeviceCodes() {
    static const std::vector<int> codes{30, 50, 60, 61, 70, 71, 80, 90, 100};
    return codes;
}

bool isKnownDeviceCode(int code) {
    const auto& codes = knownDeviceCodes();
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::unique_ptr<DeviceModel> makeDeviceModel(int code, const ModelOptions& options) {
    if (Z4FamilyModel::isFamilyCode(code)) {
        auto model = std::make_unique<Z4FamilyModel>(code, options.firmware, options.z4Timing);
        model->setDiagnostics(options.z4Diagnostics);
        model->gsmModem() = GsmModem(options.gsmModem);
        model->setProcessor(options.z4Processor);
        for (const auto& [address, value] : options.stuck) model->setStuck(address, value);
        return model;
    }
    switch (code) {
        case GprsModuleModel::kTypeCode: return std::make_unique<GprsModuleModel>();
        case ConverterModel::kTypeCode: return std::make_unique<ConverterModel>();
        case TrackerModel::kTypeCode: return std::make_unique<TrackerModel>();
        case GeofenceModel::kTypeCode: return std::make_unique<GeofenceModel>();
        default: return nullptr;
    }
}

}  // namespace vardeck::sim
