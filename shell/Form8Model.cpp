#include "shell/Form8Model.h"

#include <array>
#include <initializer_list>

#include "brand/Brand.h"
#include "shell/ComprtModel.h"
#include "shell/Dialogs.h"
#include "shell/SearchBrandLayout.h"
#include "shell/SearchHost.h"
#include "settings/Settings.h"

namespace vardeck {
namespace {

struct LanguageCaptions {
    const char* viewCaption;
    const char* exitButton;
    const char* portOkButton;
};

constexpr std::array<LanguageCaptions, 4> kLanguageCaptions{{
    {"Keresés... TRIX", "Kilépés", "Rendben (Exit)"},
    {"Search... TRIX", "Exit", "Ok (Exit)"},
    {"GSM die inspektion", "Beenden", "Ok (Beenden)"},
    {"GSM preverba", "Izhod", "Ok (Izhod)"},
}};

// "0".."3", or -1 for any other text.
int languageIndex(const std::string& code) {
    if (code.size() == 1 && code[0] >= '0' && code[0] <= '3') return code[0] - '0';
    return -1;
}

std::string viewCaption(int brand, int language) {
    switch (brand) {
        case 20: return "Search... Galvane GSM";
        case 30: return "Keresés... VEMTA";
        case 50: return "Search... Pemo GSM";
        default: break;
    }
    if (language == 0 && brand == 40) return "Keresés... KVEX";
    if (language == 0 && brand == 41) return "Keresés... TORVEL";
    return kLanguageCaptions[static_cast<std::size_t>(language)].viewCaption;
}

}  // namespace

Form8Model::Form8Model(Environment env) : env_(std::move(env)) {
    Form8.setCaption(viewCaption(env_.brand, 0));
    zido.onTimer = [this] { zidoTimer(); };
    gaugeido.onTimer = [this] { gaugeidoTimer(); };
}

controls::Panel* Form8Model::panel(int number) {
    controls::Control* control = registry_.find("Panel" + std::to_string(number));
    return control && control->kind() == controls::ControlKind::Panel ? static_cast<controls::Panel*>(control)
                                                                        : nullptr;
}

controls::Picture* Form8Model::flag(int language) {
    switch (language) {
        case 0: return &Image7;
        case 1: return &Image8;
        case 2: return &Image9;
        case 3: return &Image11;
        default: return nullptr;
    }
}

void Form8Model::FormActivate() {
    runWritePermissionProbe();
    applyBrandLayout();
    const std::string& key = brandInfo(env_.brand).brandKey;
    std::string language = ReadSetting(key, "Language");
    if (language.empty()) {
        language = "0";
        WriteSetting(key, "Language", language);
    }
    applyLanguage(language);
    if (search_) search_->searchViewActivated();
}

void Form8Model::runWritePermissionProbe() {
    const std::string& key = brandInfo(env_.brand).brandKey;
    const std::string now = env_.nowText ? env_.nowText() : std::string();
    WriteSetting(key, "StartDate", now);
    if (ReadSetting(key, "StartDate") != now && env_.dialogs) {
        env_.dialogs->showMessage(kNoWritePermissionMessage);
    }
}

void Form8Model::applyBrandLayout() {
    for (Panel* p : {&Panel1, &Panel3, &Panel6, &Panel7}) p->setColor(kSearchGrey);
    for (Panel* p : {&Panel1, &Panel2, &Panel3, &Panel4, &Panel5, &Panel6, &Panel7, &Panel8}) {
        p->setFontColor(kCaptionGrey);
    }
    Form8.setColor(kSearchGrey);
    applyLayout(searchBrandLayout(env_.brand), registry_);
    if (env_.brand != 50) return;

    // Brand 50 shows the customer's own logo from the start directory when it loads.
    const bool loads = env_.pictureLoads && env_.pictureLoads(env_.logoPath);
    Image14.setPicture(loads ? env_.logoPath : kFallbackPicture);
    if (!movedForBrand_) {
        movedForBrand_ = true;
        for (controls::Control* c : std::initializer_list<controls::Control*>{&BitBtn1, &BitBtn2, &Gauge2}) {
            c->editPlacement().topShift -= kBrand50Shift;
        }
        Form8.editPlacement().heightShift -= kBrand50Shift;
    }
}

void Form8Model::applyLanguage(const std::string& language) {
    const int index = languageIndex(language);
    if (index < 0) return;  // a hand-written code: keep what is shown
    appliedLanguage_ = language;
    const LanguageCaptions& texts = kLanguageCaptions[static_cast<std::size_t>(index)];
    Form8.setCaption(viewCaption(env_.brand, index));
    BitBtn1.setCaption(texts.exitButton);
    if (portView_) portView_->BitBtn1.setCaption(texts.portOkButton);
    applyLamps(index);
}

void Form8Model::applyLamps(int language) {
    Lamp* round[] = {&hhALed1, &hhALed2, &hhALed3, &hhALed4};
    Lamp* square[] = {&TILed1, &TILed2, &TILed3, &TILed4};
    for (int i = 0; i < 4; ++i) {
        const bool current = i == language;
        switch (env_.brand) {
            case 20:
                for (Lamp* lamp : {round[i], square[i]}) {
                    lamp->setVisible(false);
                    lamp->setLit(false);
                }
                break;
            case 50:
                round[i]->setVisible(false);
                square[i]->setVisible(true);
                square[i]->setLit(current);
                square[i]->setColor(current ? controls::kGreen : controls::kRed);
                break;
            default:
                round[i]->setVisible(true);
                round[i]->setLit(current);
                break;
        }
    }
}

void Form8Model::flagClick(int language) {
    WriteSetting(brandInfo(env_.brand).brandKey, "Language", std::to_string(language));
    FormActivate();
    // A flag still hidden by an unfinished blink comes back before the next one starts.
    if (Picture* previous = flag(blinkingFlag_)) previous->setVisible(true);
    blinkingFlag_ = language;
    blinkCount_ = 0;
    zido.start();
}

void Form8Model::zidoTimer() {
    Picture* blinking = flag(blinkingFlag_);
    if (blinking) blinking->setVisible(!blinking->visible());
    if (++blinkCount_ < kBlinkToggles && blinking) return;
    for (int i = 0; i < 4; ++i) flag(i)->setVisible(true);
    blinkingFlag_ = -1;
    zido.stop();
}

void Form8Model::gaugeidoTimer() {
    Gauge2.setProgress(Gauge2.progress() + 1);
    if (Gauge2.progress() >= Gauge2.max()) gaugeido.stop();
}

void Form8Model::FormClose() {
    if (search_) search_->searchViewClosed();
}

void Form8Model::BitBtn1Click() {
    if (env_.navigator) env_.navigator->endProgram();
}

void Form8Model::BitBtn2Click() {
    if (search_) search_->closeSearchChannel();
    if (env_.navigator) env_.navigator->showPortView();
}

void Form8Model::BitBtn3Click() { BitBtn2Click(); }

void Form8Model::Button2Click() { D1Click(3); }

void Form8Model::D1Click(int panelNumber) {
    if (search_) search_->startDemo(panelNumber);
}

}  // namespace vardeck
