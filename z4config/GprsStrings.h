#pragma once
#include <string>
#include <string_view>

#include "z4config/ImageEncodings.h"

namespace vardeck::z4config {

// The GPRS connection of the Z-CID model is kept as two modem parameter strings.
//   at 400: "UDP","<server>","53500" then 0xFF
//   at 640: "<access point>","","" then 0xFF
// Both are texts of the module (code page 1250 with the accent mapping).
inline constexpr std::size_t kServerStringOffset = 400;
inline constexpr std::size_t kAccessPointStringOffset = 640;
inline constexpr std::size_t kServerMaxLength = 45;
inline constexpr std::size_t kAccessPointMaxLength = 63;

// The network values that the access-point choice "Datanet APN" fills in.
inline constexpr std::string_view kPresetAccessPoint = "datanet";
inline constexpr std::string_view kPresetServer = "gprs.zelkor.example";

// The server address: the text from the eighth character of the string on, up to the
// next quote. The whole room of a 45-character address is read, so every address the
// writer stores reads back whole. Reading applies the accent mapping in place.
std::string readServerAddress(Image& image);
// The access-point name: the text from 641 up to the first quote (one space when the
// string is empty, as every empty module text reads). Accent mapping in place.
std::string readAccessPointName(Image& image);

// Write the strings; names longer than their limit are cut to it.
void writeServerString(Image& image, std::string_view server);
void writeAccessPointString(Image& image, std::string_view accessPoint);

}  // namespace vardeck::z4config
