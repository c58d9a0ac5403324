#pragma once
#include <functional>
#include <string>

namespace vardeck::z4config {

// Finds the text of a message in the current language; messages are named by their
// Hungarian text. The configurator passes the message catalogue; left empty, every
// message shows its Hungarian text.
using MessageLookup = std::function<std::string(const std::string& hungarianKey)>;

inline std::string lookUp(const MessageLookup& messages, const std::string& hungarianKey) {
    return messages ? messages(hungarianKey) : hungarianKey;
}

// Messages of the editor pages.
inline constexpr const char* kAccentMessage =
    "ékezetes karakterek rosszul jelenhetnek meg a telefonon, kérem ne használjon ékezetes karaktereket!";
inline constexpr const char* kSecurityCodeMessage = "Biztonsági kód nem megfelelő";

// Messages of the menu bar.
inline constexpr const char* kHelpMessage = "Sajnos nincs segítség, majd értesítjük, ha lesz";
inline constexpr const char* kRestartMessage = "Restart program...";

// Messages of the profile files. The details (file name, sizes, the system's reason)
// follow the message on a line of their own.
inline constexpr const char* kProfileReadFailed = "A profil fájl nem olvasható.";
inline constexpr const char* kProfileTooShort = "A profil fájl rövidebb, mint amit a csatlakoztatott eszköz igényel.";
inline constexpr const char* kProfileTooLong = "A fájl hosszabb bármely profilnál, nem profil fájl.";
inline constexpr const char* kProfileWriteFailed = "A profil fájl mentése nem sikerült; a korábbi fájl változatlan.";
inline constexpr const char* kPersonalProfileWriteFailed = "A saját profil mentése nem sikerült; a korábbi fájl változatlan.";

}  // namespace vardeck::z4config
