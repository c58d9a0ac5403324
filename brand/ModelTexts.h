#pragma once
#include <string>

namespace vardeck {

// Device type codes of the identification reply (byte 3).
namespace devicecode {
inline constexpr int kGprsModule = 30;   // 8-input GPRS module, configured by Form1
inline constexpr int kConverter = 50;    // GPRS-to-Contact-ID converter, Form5
inline constexpr int kTracker = 60;      // GPRS tracker, traxomain
inline constexpr int kGeofence = 61;     // GPS geofence unit, Form7
inline constexpr int kZ4 = 70;
inline constexpr int kZ4Branded = 71;    // Z-4 family module under the brand's name
inline constexpr int kZ1 = 80;
inline constexpr int kZGps = 90;
inline constexpr int kZCid = 100;
}  // namespace devicecode

bool isZ4FamilyCode(int code);  // 70, 71, 80, 90, 100

// What the hand-over of a Z-4 family code writes: Form1's Label3 and the
// configurator's status panel 1.
struct ModelTexts {
    std::string label3;
    std::string statusText;
};
ModelTexts z4ModelTexts(int brand, int code);

// Form1's Label3 before any hand-over.
inline constexpr const char* kNoDeviceFoundText = "Zelkor nem található";
// Label3 for the hand-over of the other devices.
std::string gprsModuleFoundText(int brand);
inline constexpr const char* kConverterText = "GPRS to ContacdID konverter";
inline constexpr const char* kGeofenceText = "Z_GPS_MARLOW";
inline constexpr const char* kTrackerText = "Z_GPS_TRAXO";

// What the Z-4 configurator receives when a device (or the demo) is handed to it.
struct Z4Handover {
    int typeCode = 0;
    std::string statusText;        // for the configurator's status panel 1
    int demoFirmwareVersion = 0;   // 50 for the demo of codes 71 and 80, else 0 (none)
    bool hideTemperatureField = false;  // the status view's temperature label and edit
};

}  // namespace vardeck
