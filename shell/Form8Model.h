#pragma once
#include <functional>
#include <string>

#include "shell/SearchControls.h"

namespace vardeck {

class ComprtModel;
class Dialogs;
class SearchSide;
class ShellNavigator;

// The search view Form8: the models of the brand, the language flags, the port and
// exit buttons, the demo, a running gauge and the search counters in the status
// bar. Form1 does the probing and writes the status bar (panels 0 to 4), the model
// captions Label2/Label4/Label5 and the panel colours it flashes.
class Form8Model {
public:
    struct Environment {
        int brand = 1;
        Dialogs* dialogs = nullptr;
        ShellNavigator* navigator = nullptr;
        // The current date and time as text, for the write-permission probe.
        std::function<std::string()> nowText;
        // True when the picture file at the path can be shown (brand 50's logo).
        std::function<bool(const std::string& path)> pictureLoads;
        std::string logoPath;  // the start directory's "\logo.jpg"
    };

    static constexpr const char* kNoWritePermissionMessage =
        "Nincs windows írási joga! Kérem futtasa a programot Rendszergazdaként!";
    static constexpr int kBlinkToggles = 6;
    static constexpr int kBrand50Shift = 200;
    // Image14's picture when brand 50's logo file does not load: Image15's picture.
    static constexpr const char* kFallbackPicture = "fallback";

    explicit Form8Model(Environment env);

    void attachSearchSide(SearchSide& side) { search_ = &side; }
    void attachPortView(ComprtModel& comprt) { portView_ = &comprt; }

    // --- Events ------------------------------------------------------------------
    // Each showing of the view (and each flag click): write-permission probe, brand
    // layout, language captions and lamps.
    void FormActivate();
    void FormClose();
    void BitBtn1Click();  // exit: ends the program
    void BitBtn2Click();  // "COM port": frees the device and opens the port view
    void BitBtn3Click();  // the same
    void Button2Click();  // "Demo": as D1 on Panel3
    // The popup item "Start DEMO" on a model panel (1..8).
    void D1Click(int panelNumber);
    void Image7Click() { flagClick(0); }   // Hungarian
    void Image8Click() { flagClick(1); }   // British
    void Image9Click() { flagClick(2); }   // German
    void Image11Click() { flagClick(3); }  // Slovenian
    void zidoTimer();
    void gaugeidoTimer();

    // The language whose captions were applied last ("0".."3").
    const std::string& appliedLanguage() const { return appliedLanguage_; }
    const ControlRegistry& controls() const { return registry_; }
    PanelControl* panel(int number);

    // --- Controls ----------------------------------------------------------------
    ViewControl Form8;
    PanelControl Panel1{"GSM - 1"}, Panel2{"ZeLKOR - 4"}, Panel3{"T-RIX"},
        Panel4{"ZeLKOR - GPRS", false}, Panel5{"GPRS/CID Konv.", false}, Panel6{"ZeLKOR -GPS"},
        Panel7{"GSM - CID"}, Panel8{"", false};
    PictureControl Image7, Image8, Image9, Image11;  // the language flags
    PictureControl Image12{false}, Image13{false}, Image14{true}, Image15{false}, Image16{false};
    LampControl hhALed1, hhALed2, hhALed3, hhALed4;
    LampControl TILed1{false}, TILed2{false}, TILed3{false}, TILed4{false};
    ButtonControl BitBtn1{"Kilépés"}, BitBtn2{"COM port"}, BitBtn3{"COM port"}, Button2{"Demo"};
    GaugeControl Gauge2;
    LabelControl Label2, Label4, Label5;  // model captions; Form1 writes "TRAXO/4800" there
    StatusBarControl StatusBar1;
    ModelTimer zido{200};
    ModelTimer gaugeido{50, true};

private:
    void runWritePermissionProbe();
    void applyBrandLayout();
    void applyLanguage(const std::string& language);
    void applyLamps(int language);
    void flagClick(int language);
    PictureControl* flag(int language);

    Environment env_;
    SearchSide* search_ = nullptr;
    ComprtModel* portView_ = nullptr;
    ControlRegistry registry_;
    std::string appliedLanguage_;
    bool movedForBrand_ = false;
    int blinkingFlag_ = -1;
    int blinkCount_ = 0;
};

}  // namespace vardeck
