#include "shell/Form8Model.h"

#include <array>

#include "shell/Brand.h"
#include "shell/ComprtModel.h"
#include "shell/Dialogs.h"
#include "shell/SearchBrandLayout.h"
#include "shell/SearchHost.h"
#include "shell/Settings.h"

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
    Form8.caption = viewCaption(env_.brand, 0);
    registry_.add("Form8", Form8);
    PanelControl* panels[] = {&Panel1, &Panel2, &Panel3, &Panel4, &Panel5, &Panel6, &Panel7, &Panel8};
    for (int i = 0; i < 8; ++i) registry_.add("Panel" + std::to_string(i + 1), *panels[i]);
    registry_.add("Image7", Image7);
    registry_.add("Image8", Image8);
    registry_.add("Image9", Image9);
    registry_.add("Image11", Image11);
    registry_.add("Image12", Image12);
    registry_.add("Image13", Image13);
    registry_.add("Image14", Image14);
    registry_.add("Image15", Image15);
    registry_.add("Image16", Image16);
    LampControl* lamps[] = {&hhALed1, &hhALed2, &hhALed3, &hhALed4, &TILed1, &TILed2, &TILed3, &TILed4};
    for (int i = 0; i < 4; ++i) {
        registry_.add("hhALed" + std::to_string(i + 1), *lamps[i]);
        registry_.add("TILed" + std::to_string(i + 1), *lamps[i + 4]);
    }
    registry_.add("BitBtn1", BitBtn1);
    registry_.add("BitBtn2", BitBtn2);
    registry_.add("BitBtn3", BitBtn3);
    registry_.add("Button2", Button2);
    registry_.add("Gauge2", Gauge2);
    registry_.add("Label2", Label2);
    registry_.add("Label4", Label4);
    registry_.add("Label5", Label5);
    registry_.add("StatusBar1", StatusBar1);
    registry_.add("zido", zido);
    registry_.add("gaugeido", gaugeido);
}

PanelControl* Form8Model::panel(int number) {
    return registry_.get<PanelControl>("Panel" + std::to_string(number));
}

PictureControl* Form8Model::flag(int language) {
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
    for (PanelControl* p : {&Panel1, &Panel3, &Panel6, &Panel7}) p->color = kSearchGrey;
    for (PanelControl* p : {&Panel1, &Panel2, &Panel3, &Panel4, &Panel5, &Panel6, &Panel7, &Panel8}) {
        p->fontColor = kCaptionGrey;
    }
    Form8.color = kSearchGrey;
    applyLayout(searchBrandLayout(env_.brand), registry_);
    if (env_.brand != 50) return;

    // Brand 50 shows the customer's own logo from the start directory when it loads.
    const bool loads = env_.pictureLoads && env_.pictureLoads(env_.logoPath);
    Image14.picture = loads ? env_.logoPath : kFallbackPicture;
    if (!movedForBrand_) {
        movedForBrand_ = true;
        BitBtn1.topShift -= kBrand50Shift;
        BitBtn2.topShift -= kBrand50Shift;
        Gauge2.topShift -= kBrand50Shift;
        Form8.heightShift -= kBrand50Shift;
    }
}

void Form8Model::applyLanguage(const std::string& language) {
    const int index = languageIndex(language);
    if (index < 0) return;  // a hand-written code: keep what is shown
    appliedLanguage_ = language;
    const LanguageCaptions& texts = kLanguageCaptions[static_cast<std::size_t>(index)];
    Form8.caption = viewCaption(env_.brand, index);
    BitBtn1.caption = texts.exitButton;
    if (portView_) portView_->BitBtn1.caption = texts.portOkButton;
    applyLamps(index);
}

void Form8Model::applyLamps(int language) {
    LampControl* round[] = {&hhALed1, &hhALed2, &hhALed3, &hhALed4};
    LampControl* square[] = {&TILed1, &TILed2, &TILed3, &TILed4};
    for (int i = 0; i < 4; ++i) {
        const bool current = i == language;
        switch (env_.brand) {
            case 20:
                for (LampControl* lamp : {round[i], square[i]}) {
                    lamp->visible = false;
                    lamp->lit = false;
                }
                break;
            case 50:
                round[i]->visible = false;
                square[i]->visible = true;
                square[i]->lit = current;
                square[i]->color = current ? kGreen : kRed;
                break;
            default:
                round[i]->visible = true;
                round[i]->lit = current;
                break;
        }
    }
}

void Form8Model::flagClick(int language) {
    WriteSetting(brandInfo(env_.brand).brandKey, "Language", std::to_string(language));
    FormActivate();
    // A flag still hidden by an unfinished blink comes back before the next one starts.
    if (PictureControl* previous = flag(blinkingFlag_)) previous->visible = true;
    blinkingFlag_ = language;
    blinkCount_ = 0;
    zido.start();
}

void Form8Model::zidoTimer() {
    PictureControl* blinking = flag(blinkingFlag_);
    if (blinking) blinking->visible = !blinking->visible;
    if (++blinkCount_ < kBlinkToggles && blinking) return;
    for (int i = 0; i < 4; ++i) flag(i)->visible = true;
    blinkingFlag_ = -1;
    zido.stop();
}

void Form8Model::gaugeidoTimer() {
    if (Gauge2.progress < Gauge2.max) ++Gauge2.progress;
    if (Gauge2.progress >= Gauge2.max) gaugeido.stop();
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
