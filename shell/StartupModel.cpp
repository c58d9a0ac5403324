#include "shell/StartupModel.h"

#include <string>

#include "brand/Brand.h"
#include "shell/SearchHost.h"
#include "settings/Settings.h"

namespace vardeck {

StartupModel::StartupModel(ShellNavigator& navigator, int brand) : navigator_(navigator), brand_(brand) {
    startTimer.onTimer = [this] { startTimerTimer(); };
}

void StartupModel::startTimerTimer() {
    const std::string& key = brandInfo(brand_).brandKey;
    if (ReadSetting(key, "Language").empty()) {
        if (brand_ != 20) {
            navigator_.hideForm1();
            languageQuestionOpen_ = true;
            navigator_.showLanguageView();
            startTimer.stop();
            return;
        }
        // This brand never asks: it runs in English.
        WriteSetting(key, "Language", "1");
    }
    startTimer.stop();
    navigator_.hideForm1();
    navigator_.showSearchView();  // modal: returns when the search view is closed
}

Form10Model::Form10Model(StartupModel& startup, ShellNavigator& navigator, int brand)
    : startup_(startup), navigator_(navigator), brand_(brand) {}

void Form10Model::flagClick(int language) {
    WriteSetting(brandInfo(brand_).brandKey, "Language", std::to_string(language));
    navigator_.closeLanguageView();
    FormClose();
}

}  // namespace vardeck
