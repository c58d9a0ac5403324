#include "i18n/Language.h"

#include <array>

namespace vardeck::i18n {
namespace {

constexpr std::array<std::string_view, kLanguageCount> kSettingTexts = {"0", "1", "2", "3"};
constexpr std::array<std::string_view, kLanguageCount> kMenuItems = {"Magyar1", "Angol1", "German1", "Sloven1"};

}  // namespace

int languageIndexFromSetting(std::string_view settingText) {
    for (std::size_t i = 0; i < kSettingTexts.size(); ++i) {
        if (settingText == kSettingTexts[i]) return static_cast<int>(i);
    }
    return 0;
}

Language languageFromSetting(std::string_view settingText) {
    return static_cast<Language>(languageIndexFromSetting(settingText));
}

std::string_view settingText(Language language) { return kSettingTexts[column(language)]; }

std::string_view languageMenuItem(Language language) { return kMenuItems[column(language)]; }

}  // namespace vardeck::i18n
