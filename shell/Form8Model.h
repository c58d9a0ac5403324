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
class Form8Model : public controls::ControlOwner {
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
    controls::Panel* panel(int number);

    // --- Controls ----------------------------------------------------------------
    using Panel = controls::Panel;
    using Picture = controls::Picture;
    using Lamp = controls::Lamp;
    using Button = controls::Button;
    controls::Form& Form8 = registry_.add<controls::Form>("Form8");
    Panel& Panel1 = registry_.add<Panel>("Panel1", "GSM - 1");
    Panel& Panel2 = registry_.add<Panel>("Panel2", "ZeLKOR - 4");
    Panel& Panel3 = registry_.add<Panel>("Panel3", "T-RIX");
    Panel& Panel4 = registry_.add<Panel>("Panel4", "ZeLKOR - GPRS", false);
    Panel& Panel5 = registry_.add<Panel>("Panel5", "GPRS/CID Konv.", false);
    Panel& Panel6 = registry_.add<Panel>("Panel6", "ZeLKOR -GPS");
    Panel& Panel7 = registry_.add<Panel>("Panel7", "GSM - CID");
    Panel& Panel8 = registry_.add<Panel>("Panel8", "", false);
    // The popup menu item of the model panels.
    controls::MenuItem& D1 = registry_.add<controls::MenuItem>("D1", "Start DEMO");
    // The language flags: Hungarian, British, German, Slovenian.
    Picture& Image7 = registry_.add<Picture>("Image7", "flags/hungarian");
    Picture& Image8 = registry_.add<Picture>("Image8", "flags/british");
    Picture& Image9 = registry_.add<Picture>("Image9", "flags/german");
    Picture& Image11 = registry_.add<Picture>("Image11", "flags/slovenian");
    Picture& Image12 = registry_.add<Picture>("Image12", "", false);
    Picture& Image13 = registry_.add<Picture>("Image13", "", false);
    Picture& Image14 = registry_.add<Picture>("Image14");
    Picture& Image15 = registry_.add<Picture>("Image15", kFallbackPicture, false);
    Picture& Image16 = registry_.add<Picture>("Image16", "logo", false);
    Lamp& hhALed1 = registry_.add<Lamp>("hhALed1");
    Lamp& hhALed2 = registry_.add<Lamp>("hhALed2");
    Lamp& hhALed3 = registry_.add<Lamp>("hhALed3");
    Lamp& hhALed4 = registry_.add<Lamp>("hhALed4");
    Lamp& TILed1 = registry_.add<Lamp>("TILed1", false);
    Lamp& TILed2 = registry_.add<Lamp>("TILed2", false);
    Lamp& TILed3 = registry_.add<Lamp>("TILed3", false);
    Lamp& TILed4 = registry_.add<Lamp>("TILed4", false);
    Button& BitBtn1 = registry_.add<Button>("BitBtn1", "Kilépés");
    Button& BitBtn2 = registry_.add<Button>("BitBtn2", "COM port");
    Button& BitBtn3 = registry_.add<Button>("BitBtn3", "COM port");
    Button& Button2 = registry_.add<Button>("Button2", "Demo");
    controls::Gauge& Gauge2 = registry_.add<controls::Gauge>("Gauge2", 100);
    // Model captions; Form1 writes "TRAXO/4800" there in tracker mode.
    controls::Label& Label2 = registry_.add<controls::Label>("Label2");
    controls::Label& Label4 = registry_.add<controls::Label>("Label4");
    controls::Label& Label5 = registry_.add<controls::Label>("Label5");
    controls::StatusBar& StatusBar1 = registry_.add<controls::StatusBar>("StatusBar1", 5);
    controls::ModelTimer& zido = timers_.add("zido", 200);
    controls::ModelTimer& gaugeido = timers_.add("gaugeido", 50, true);

private:
    void runWritePermissionProbe();
    void applyBrandLayout();
    void applyLanguage(const std::string& language);
    void applyLamps(int language);
    void flagClick(int language);
    controls::Picture* flag(int language);

    Environment env_;
    SearchSide* search_ = nullptr;
    ComprtModel* portView_ = nullptr;
    std::string appliedLanguage_;
    bool movedForBrand_ = false;
    int blinkingFlag_ = -1;
    int blinkCount_ = 0;
};

}  // namespace vardeck
