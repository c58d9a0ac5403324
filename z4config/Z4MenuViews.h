#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "z4config/Z4Messages.h"

namespace vardeck::z4config {

// What the small views of the configurator's menu bar show. The windows themselves are
// built by the program's view layer from these.

inline constexpr const char* kCloseButtonCaption = "Kilépés";

// Wiring-diagram view Z4Form4 ("Bekötési rajz"). Its caption follows the model; under
// brands 40 and 41 the T-RIX is relabelled and the page TabSheet4 titled the same way.
// No value: the view keeps its design text. The Z-1 has no second picture (Image2).
struct WiringViewTexts {
    std::optional<std::string> caption;
    std::optional<std::string> tabSheet4Caption;
    bool secondPictureVisible = true;
};
WiringViewTexts wiringViewTexts(int deviceType, int brandCode);

// Installer-description view ("Telepítői leírás"): a read-only text of the module's
// terminals and wiring, with a "Kilépés" button.
std::string installerDescription(int deviceType);

// Contact view Z4Form8: the brand picture, a text area and a "Kilépés" button. The text
// area's design text; on activation it shows the lines of "\contact.txt" instead.
inline constexpr const char* kContactDesignText = "Not contact";
inline constexpr std::size_t kContactMaxBytes = 64 * 1024;
inline constexpr const char* kContactTruncatedNote = "[A contact.txt túl hosszú; csak az eleje látható.]";
inline constexpr const char* kContactNotTextNote = "[A contact.txt nem szöveges fájl; a nem olvasható bájtok helyén '?' áll.]";

// The text of the contact file for the text area: empty when the file is missing or
// unreadable. UTF-8 is shown as it is, anything else as code page 1250; line ends
// become "\n"; control characters become '?'. A file longer than kContactMaxBytes shows
// its beginning, a binary one its readable form, each followed by a note saying so.
std::string contactText(const std::string& path, const MessageLookup& messages = {});

}  // namespace vardeck::z4config
