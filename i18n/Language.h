// The four interface languages of the Z-4 configurator and the settings text that names them.
#pragma once

#include <cstddef>
#include <string_view>

namespace vardeck::i18n {

// The order is the column order of the text table and the message catalogue, and the
// number is the "Language" settings value.
enum class Language { Hungarian = 0, English = 1, German = 2, Slovenian = 3 };

inline constexpr std::size_t kLanguageCount = 4;

inline constexpr std::size_t column(Language language) { return static_cast<std::size_t>(language); }

// "0" to "3" name a language; any other text (empty, "7", " 1", "01") means Hungarian,
// the designed language of the screens.
int languageIndexFromSetting(std::string_view settingText);
Language languageFromSetting(std::string_view settingText);

// The settings text written when the user picks the language ("0" to "3").
std::string_view settingText(Language language);

// The item of the "Beállítások" menu that picks the language and carries the check mark:
// `Magyar1`, `Angol1`, `German1`, `Sloven1`.
std::string_view languageMenuItem(Language language);

}  // namespace vardeck::i18n
