#include "shell/StartupModel.h"

#include <string>

#include "shell/Brand.h"
#include "shell/SearchHost.h"
#include "shell/Settings.h"

namespace vardeck {

StartupModel::StartupModel(ShellNavigator& navigator, int brand) : navigator_(navigator), brand_(brand) {}

void StartupModel::startTimerTimer() {
    const std::string& key = brandInfo(brand_).brandKey;
    if (ReadSetting(key, "Language").empty()) {
        if (brand_ != 20) {
            navigator_.hideForm1();
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
    : startup_(startup), navigator_(navigator), brand_(brand) {
    registry_.add("Form10", Form10);
    registry_.add("Image1", Image1);
    registry_.add("Image2", Image2);
    registry_.add("Image3", Image3);
    registry_.add("Image4", Image4);
}

void Form10Model::flagClick(int language) {
    WriteSetting(brandInfo(brand_).brandKey, "Language", std::to_string(language));
    navigator_.closeLanguageView();
    FormClose();
}

}  // namespace vardeck
