// The screen activation: runs every time the configurator becomes the program's active
// window, and after a language change.
#include <cstdio>

#include "i18n/ApplyTextTable.h"
#include "brand/Brand.h"
#include "brand/ModelTexts.h"
#include "settings/Settings.h"
#include "controls/ScreenControls.h"
#include "z4screen/BrandAdaptations.h"
#include "z4screen/ConfiguratorControls.h"
#include "z4screen/Z4Configurator.h"

namespace vardeck::z4screen {

using namespace controls;

namespace {

constexpr const char* kServiceMode = "7310428";

// The PC's date and time in the short form of the customer record.
std::string shortDateTime(const ModuleClockTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d.%02d.%02d. %d:%02d", t.year, t.month, t.day, t.hour, t.minute);
    return text;
}

}  // namespace

void Z4Configurator::activate() {
    // The picture of the connected model, and the phone book's column titles.
    auto& picture = targets_.get<Picture>("Image1");
    picture.setPicture("device/" + std::to_string(deviceType()));
    picture.setCaption(z4ModelTexts(brand_, deviceType()).label3);
    auto& phoneBook = targets_.get<Grid>("StringGrid1");
    phoneBook.setCell(0, 0, "SIM");
    phoneBook.setCell(0, 1, "Number");
    phoneBook.setCell(0, 2, "Name");
    profiles_.fillCustomerDefaults(searchCaption_, shortDateTime(engine_->now()));
    applyLanguage();
    i18n::applySelectionDefaults(targets_);
    checkServiceMode();
    applyVerifySetting();
    engine_->queryVersionOnActivation();
    applyPersonalProfile();
    const std::string company = readCompany();
    const BrandOutcome outcome = applyBrandAdaptations(brand_, language_, company, targets_, editor_);
    if (!outcome.searchCaption.empty()) {
        searchCaption_ = outcome.searchCaption;
        if (env_.setSearchCaption) env_.setSearchCaption(outcome.searchCaption);
    }
    if (auto scale = profiles_.firstActivationScale()) pendingScale_ = scale;
    changed();
}

void Z4Configurator::applyLanguage() {
    language_ = i18n::languageFromSetting(ReadSetting(brandKey(), "Language"));
    for (i18n::Language l : {i18n::Language::Hungarian, i18n::Language::English, i18n::Language::German,
                             i18n::Language::Slovenian})
        targets_.get<MenuItem>(i18n::languageMenuItem(l)).setChecked(false);
    i18n::applyTextTable(language_, targets_);
    catalogue_.apply(language_);
    targets_.get<MenuItem>(i18n::languageMenuItem(language_)).setChecked(true);
}

void Z4Configurator::chooseLanguage(i18n::Language language) {
    WriteSetting(brandKey(), "Language", std::string(i18n::settingText(language)));
    activate();
}

void Z4Configurator::applyVerifySetting() {
    const bool on = ReadSetting(brandKey(), "verify") == "1";
    targets_.get<MenuItem>("IrasEllenorzese1").setChecked(on);
    engine_->setVerifyAfterWrite(on);
}

void Z4Configurator::checkServiceMode() {
    const std::string mode = ReadSetting(brandKey(), "mode");
    if (mode.empty()) WriteSetting(brandKey(), "mode", "0");
    serviceMode_ = mode == kServiceMode;
    for (const std::string& name : factoryTestControls()) {
        if (Control* c = targets_.find(name)) c->setVisible(serviceMode_);
    }
}

// A personal profile loaded into the image counts as a configuration the user owns:
// defaults do not replace its values afterwards.
void Z4Configurator::applyPersonalProfile() {
    const Image before = image_;
    profiles_.applyPersonalProfile();
    targets_.get<MenuItem>("ilts1").setChecked(profiles_.personalProfileRefused());
    if (image_ != before) imageLoaded();
}

std::string Z4Configurator::readCompany() {
    std::string company = ReadSetting(brandKey(), "company");
    if (company.empty()) {
        // Stored for the next activation; the company flag stays as it was until then.
        company = brandInfo(brand_).companyDefault;
        WriteSetting(brandKey(), "company", company);
    } else {
        engine_->setCompanyFlag(company.starts_with('*'));
    }
    return company;
}

std::optional<z4config::WindowScale> Z4Configurator::takeWindowScale() {
    std::optional<z4config::WindowScale> scale = pendingScale_;
    pendingScale_.reset();
    return scale;
}

}  // namespace vardeck::z4screen
