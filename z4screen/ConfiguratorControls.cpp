// The configurator's controls that are not fields of the configuration image: pages,
// captions, buttons, gauges, the clock, the phone book of the caller-ID page, the
// sound page and the menu bar, with their design captions and design states.
#include "z4screen/ConfiguratorControls.h"

#include "controls/ScreenControls.h"

#include <algorithm>

namespace vardeck::z4screen {

using namespace controls;
using z4config::Z4Page;

namespace {

const char* const kRecipientSms = "Jelölje ki mely számokra kíván SMS-t küldeni";
const char* const kRecipientCall = "Jelölje ki mely számokra kíván hívást küldeni";
const char* const kInputType = "Bemenet típusa:";
const char* const kSmsText = "SMS szöveg:";
const char* const kExpansionNote = "Bővítőmodullal használható";

struct ChromeBuilder {
    ControlRegistry& r;

    void page(const char* name, const char* caption) { r.add<Page>(name, caption); }
    Label& label(const char* name, std::string caption, bool visible = true) {
        auto& l = r.add<Label>(name, std::move(caption));
        l.setVisible(visible);
        return l;
    }
    Button& button(const char* name, const char* caption, bool visible = true) {
        auto& b = r.add<Button>(name, caption);
        b.setVisible(visible);
        return b;
    }
    // The captions of an input-like page: title (nullptr: none), type, text and lists.
    void inputCaptions(const char* title, std::string titleText, const char* type, const char* text,
                       const char* smsList, const char* callList) {
        if (title) label(title, std::move(titleText));
        label(type, kInputType);
        label(text, kSmsText);
        label(smsList, kRecipientSms);
        label(callList, kRecipientCall);
    }
};

// The help box below the transfer buttons and the help memos of the pages, shown only
// by the four-area brand, whose program speaks English first: their texts are English.
void addBrandHelp(ControlRegistry& registry) {
    const char* const help[][2] = {
        {"RichEdit1",
         "Read: loads the settings of the module. Send: writes every page to the module and sets its clock. "
         "Restart: restarts the module. Quit: closes the program."},
        {"Memo1", "Area 1 follows input 1: an alarm on it sends the SMS text of this page to the numbers ticked for "
                  "SMS and calls the numbers ticked for calls."},
        {"Memo2", "Area 2 follows input 2, with its own text and numbers."},
        {"Memo3", "Input 3 reports with the text of area 3."},
        {"Memo4", "Input 4 reports with the text of area 4."},
        {"Memo5", "The tamper switch reports the opening of the module's cover, with the text of area 3 unless you "
                  "give it one of its own."},
        {"Memo6",
         "Ring time: how long each call rings.\n"
         "Max number of redials: how often the module calls again when nobody acknowledges.\n"
         "SMS redirection: SMS messages that reach the module go on to the chosen phone number.\n"
         "SMS security code: exactly four characters; SMS commands to the module need it.\n"
         "SMS header: the beginning of every SMS the module sends."},
    };
    for (const auto& [name, text] : help) registry.add<Panel>(name, text, false);
}

}  // namespace

const std::vector<PageEntry>& pageOrder() {
    static const std::vector<PageEntry> pages = {
        {"TabSheet1", std::nullopt},
        {"TabSheet2", Z4Page::Be1},
        {"TabSheet3", Z4Page::Be2},
        {"TabSheet4", Z4Page::Be3},
        {"TabSheet5", Z4Page::Be4},
        {"TabSheet6", std::nullopt},
        {"TabSheet7", std::nullopt},
        {"TabSheet8", std::nullopt},
        {"TabSheet9", std::nullopt},
        {"TabSheet10", std::nullopt},
        {"TabSheet11", Z4Page::Tamper},
        {"TabSheet12", Z4Page::PowerMonitor},
        {"TabSheet13", Z4Page::LifeSignal},
        {"TabSheet14", Z4Page::Other},
        {"TabSheet15", std::nullopt},
        {"TabSheet16", Z4Page::Temperature},
        {"TabSheet17", std::nullopt},
        {"TabSheet18", Z4Page::Speed},
        {"TabSheet19", Z4Page::Lift},
        {"TabSheet20", std::nullopt},
        {"TabSheet21", Z4Page::CidSms},
        {"TabSheet24", Z4Page::RemoteMonitoring},
        {"TabSheet27", Z4Page::OpenClose},
        {"TabSheet22", std::nullopt},
    };
    return pages;
}

std::optional<Z4Page> editorPage(std::string_view pageName) {
    for (const PageEntry& p : pageOrder()) {
        if (pageName == p.name) return p.page;
    }
    return std::nullopt;
}

bool isPlaceholderPage(std::string_view page) {
    return page == "TabSheet6" || page == "TabSheet7" || page == "TabSheet8" || page == "TabSheet9";
}

void addScreenControls(ControlRegistry& registry) {
    ChromeBuilder b{registry};
    registry.add<Form>("Z4Form1");

    // Pages the editor does not own (it owns "Hőméséklet", "CID/SMS", "Távfelügyelet"
    // and "Nyitás/Zárás").
    b.page("TabSheet1", "Telefonszámok");
    b.page("TabSheet2", "Be1");
    b.page("TabSheet3", "Be2");
    b.page("TabSheet4", "Be3");
    b.page("TabSheet5", "Be4");
    for (const char* name : {"TabSheet6", "TabSheet7", "TabSheet8", "TabSheet9"}) {
        const std::string caption = "Be" + std::to_string(name[8] - '0' - 1);
        registry.add<Page>(name, caption).setVisible(false);
    }
    b.page("TabSheet10", "Kimenet");
    b.page("TabSheet11", "Tamper");
    b.page("TabSheet12", "Tápmonitor");
    b.page("TabSheet13", "Életjel");
    b.page("TabSheet14", "Egyéb");
    b.page("TabSheet15", "Szám azonosítás");
    b.page("TabSheet17", "GPS");
    b.page("TabSheet18", "Sebesség");
    b.page("TabSheet19", "Emelés");
    b.page("TabSheet20", "GPRS");
    b.page("TabSheet22", "Hangok");

    // "Telefonszámok"
    b.label("Label1", "Hívandó telefonszámok:");
    for (int i = 1; i <= 8; ++i) b.label(("Label" + std::to_string(i + 1)).c_str(), "Szám" + std::to_string(i) + ":");
    b.label("Memo7",
            "A telefonszámokat számjegyekkel adja meg, nemzetközi formában is (+36...). Jobb egérgombbal a mezőn: "
            "törlés, vagy +3630, +3620 előtag.");

    // "Be1" to "Be4", "Tamper", "Tápmonitor"
    b.inputCaptions("Label11", "1. bemenet beállításai", "Label13", "Label14", "Label10", "Label12");
    b.inputCaptions("Label31", "2. bemenet beállításai", "Label28", "Label15", "Label19", "Label27");
    b.inputCaptions("Label32", "3. bemenet beállításai", "Label29", "Label16", "Label20", "Label21");
    b.inputCaptions("Label33", "4. bemenet beállításai", "Label30", "Label17", "Label26", "Label22");
    b.inputCaptions("Label42", "Tamper beállításai", "Label41", "Label40", "Label38", "Label43");
    b.inputCaptions("Label47", "Tápmonitor beállításai", "Label46", "Label48", "Label44", "Label45");

    // "Kimenet"
    b.label("Label34", "1. kimenet:");
    b.label("Label36", "Idő:");
    b.label("Label35", "2. kimenet:");
    b.label("Label37", "Idő:");
    b.label("Label82", kExpansionNote, false);

    // "Életjel"
    b.label("Label52", kRecipientSms);
    b.label("Label49", "naponként");
    b.label("Label50", "órakor küldés");
    b.label("Label51", "nap múlva az első");
    b.label("Label53", kSmsText);

    // "Egyéb"
    b.label("Label54", "Csöngetési idő [sec]:");
    b.label("Label55", "Max hivásismétlések száma");
    b.label("Label56", "SMS biztonsági kód:");
    b.label("Label57", "Digitális bemenet szűrő/érzékenység");
    b.label("Label64", "Bemenet visszaállás szöveg:");
    b.label("Label180", "SMS fejléc:");
    b.label("Label120", "PSTN Rx Gain:");
    b.label("Label121", "PSTN Tx Gain:");
    b.label("Label122", "DTMF Rx Gain:");
    b.label("Label123", "DTMF Tx Gain:");
    b.button("Button5", "PSTN send");

    // "Szám azonosítás": the SIM phone book
    // Header and one empty row; "Új" adds rows, a phonebook read sets them.
    registry.add<Grid>("StringGrid1", 2, 3, 1);
    registry.add<ProgressGauge>("Gauge2").setVisible(false);
    b.button("BitBtn5", "Olvasás");
    b.button("BitBtn6", "Elküldés");
    b.button("Button2", "Új");
    b.button("Button3", "Mentés");
    b.button("Button4", "Megnyitás");
    registry.add<CheckBox>("CheckBox12", "250db szám ir/olvas");

    // "Hőméséklet"
    b.label("Label68", "Hőmérséklet beállítások");
    b.label("Label67", kInputType);
    b.label("Label65", kRecipientSms);
    b.label("Label66", kRecipientCall);
    b.label("Label69", "Max hőméséklet szöveg:");
    b.label("Label70", "Min hőméséklet szöveg:");
    b.label("Label83", std::string(kExpansionNote) + "!", false);
    registry.add<Panel>("Panel10", "Hőmérséklet állapot");
    registry.add<Lamp>("Led1");
    registry.add<Lamp>("Led2");

    // "Sebesség", "Emelés"
    b.inputCaptions(nullptr, "", "Label71", "Label74", "Label72", "Label73");
    b.label("Label75", "Sebesség határ [km/h]:");
    b.inputCaptions(nullptr, "", "Label76", "Label77", "Label78", "Label79");
    b.label("Label80", "Emelés érzékenység:");

    // "GPRS"
    b.label("Label88", "Test jelentés iideje [sec]");
    b.label("Label89", "APN:");

    // "Hangok"
    b.label("Label97", "Hangfile formátuma: 8Khz, 8bit, mono, PCM");
    const char* soundFields[] = {"Edit9", "Edit13", "Edit14", "Edit15"};
    const char* uploadButtons[] = {"Button8", "Button9", "Button10", "Button11"};
    for (int i = 0; i < 4; ++i) {
        b.label(("Label" + std::to_string(92 + i)).c_str(), "Bemenet " + std::to_string(i + 1) + ":");
        registry.add<Edit>(soundFields[i]);
        b.button(uploadButtons[i], "Feltöltés");
    }
    b.button("Button7", "Sziréna Hangfile Beírása", false);
    b.button("Button13", "DTMF", false);
    registry.add<ProgressGauge>("Gauge1").setVisible(false);

    // Around the pages: picture, company label, customer panel, transfer buttons,
    // gauge, clock; the hidden factory-test buttons.
    registry.add<Picture>("Image1");
    registry.add<Picture>("Image16", "logo", false);  // the brand logo, shown by the brands that have one
    b.label("Label3D1", "");
    registry.add<Panel>("Panel16", "Ügyfél adatok");
    b.label("Label58", "Ügyfél név:");
    b.label("Label59", "Telepítési cím:");
    b.label("Label60", "GSM telefonszám:");
    b.label("Label61", "Riasztóközpont típusa:");
    b.label("Label62", "GSM átjelző típusa:");
    b.label("Label63", "Telepítés dátuma:");
    b.button("BitBtn7", "Mentés");
    b.button("BitBtn8", "Megnyitás");
    b.button("BitBtn1", "Elküldés");
    b.button("BitBtn2", "Olvasás");
    b.button("BitBtn3", "Kilépés");
    b.button("BitBtn4", "újrainditás");
    registry.add<ProgressGauge>("kijelzo").setVisible(false);
    b.label("Label99", "", false);
    addBrandHelp(registry);
    b.button("Button14", "Modul állapot", false);
    b.button("Button15", "Elküldés", false);
    b.button("Button6", "Memory load", false);
    b.button("Button12", "Adat feltöltés 256bytos", false);
    // The factory test's indicator panels beside those buttons.
    for (const char* name : {"Panel28", "Panel29", "Panel30", "Panel31", "Panel32"})
        registry.add<Panel>(name, "", false);

    for (const std::string& name : notYetAvailableControls()) {
        if (Control* c = registry.find(name)) c->setEnabled(false);
    }
}

namespace {

struct MenuDesign {
    MenuEntry entry;
    const char* caption;
    bool checkable = false;
    bool visible = true;
};

const std::vector<MenuDesign>& menuDesign() {
    static const std::vector<MenuDesign> items = {
        {{"Funcik1", ""}, "Funkciók"},
        {{"Olvass1", "Funcik1"}, "Olvasás"},
        {{"Elklds1", "Funcik1"}, "Elküldés"},
        {{"jraindts1", "Funcik1"}, "újraindítás"},
        {{"GSMsoftververzi1", "Funcik1"}, "GSM szoftver verzió"},
        {{"GSMraszinkronozsa1", "Funcik1"}, "GSM óra szinkronozása"},
        {{"Modulllapotmegjelentse1", "Funcik1"}, "Modul állapot megjelenítése"},
        {{"Hibakeress1", "Funcik1"}, "Monitor"},
        {{"Naplokiolvassa1", "Funcik1"}, "Naplo kiolvasása"},
        {{"rer1", "Funcik1"}, "Térerő"},
        {{"Osszehasonlitas1", "Funcik1"}, "Összehasonlítás fájllal…"},
        {{"Szoftverfrissts1", "Funcik1"}, "Szoftver frissítés", false, false},
        {{"Kilps1", "Funcik1"}, "Kilépés"},
        {{"Karbantarts1", ""}, "Karbantartás"},
        {{"SIMPINkdkikapcsolsa1", "Karbantarts1"}, "SIM PIN kód kikapcsolása"},
        {{"SMSkzponttelefonszm1", "Karbantarts1"}, "SMS központ telefonszám"},
        {{"EgyenleglekrdezsTMobile1", "Karbantarts1"}, "Egyenleg lekérdezés (T-Mobile)"},
        {{"Adathvsellenrzs1", "Karbantarts1"}, "Adathívás test"},
        {{"Voicehvstest1", "Karbantarts1"}, "Voice hívás test"},
        {{"SMStest1", "Karbantarts1"}, "SMS test"},
        {{"IMEInumber1", "Karbantarts1"}, "IMEI number"},
        {{"SajtProfil1", ""}, "Saját Profil"},
        {{"Ments1", "SajtProfil1"}, "Mentés", false, false},
        {{"ilts1", "SajtProfil1"}, "Tiltás", true, false},
        {{"Lersok1", ""}, "Leírások"},
        {{"Bektsirajz1", "Lersok1"}, "Bekötési rajz"},
        {{"eleptilers1", "Lersok1"}, "Telepítői leírás"},
        {{"Belltsok1", ""}, "Beállítások"},
        {{"Magyar1", "Belltsok1"}, "Magyar", true},
        {{"Angol1", "Belltsok1"}, "English", true},
        {{"German1", "Belltsok1"}, "German", true},
        {{"Sloven1", "Belltsok1"}, "Sloven", true},
        {{"Contact1", "Belltsok1"}, "Contact", false, false},
        {{"Kpernyfelbontsbelltsa1", "Belltsok1"}, "Képernyő felbontás beállítása"},
        {{"IrasEllenorzese1", "Belltsok1"}, "Írás ellenőrzése", true},
        {{"Help1", ""}, "Help"},
        {{"Verzi1", ""}, "Verzió"},
    };
    return items;
}

}  // namespace

const std::vector<MenuEntry>& menuLayout() {
    static const std::vector<MenuEntry> layout = [] {
        std::vector<MenuEntry> out;
        for (const MenuDesign& d : menuDesign()) out.push_back(d.entry);
        return out;
    }();
    return layout;
}

void addMenuItems(ControlRegistry& registry) {
    for (const MenuDesign& d : menuDesign()) {
        auto& item = registry.add<MenuItem>(d.entry.name, d.caption, d.checkable);
        item.setVisible(d.visible);
    }
    // The personal profile is refused until the user allows it.
    registry.get<MenuItem>("ilts1").setChecked(true);
    // The monitor needs firmware 1.6 or newer; the version reply enables it.
    registry.get<MenuItem>("Hibakeress1").setEnabled(false);
    for (const std::string& name : notYetAvailableControls()) {
        if (Control* c = registry.find(name)) c->setEnabled(false);
    }
}

const std::vector<std::string>& notYetAvailableControls() {
    static const std::vector<std::string> names = {
        // the maker's report-server preset and the templates of the Contact ID pages
        "Button6",
    };
    return names;
}

bool notYetAvailable(std::string_view name) {
    const auto& names = notYetAvailableControls();
    return std::find(names.begin(), names.end(), name) != names.end();
}

const std::vector<std::string>& factoryTestControls() {
    static const std::vector<std::string> names = {"Button14", "Button15", "Button6",  "Button7",  "Button13", "Button12",
                                                   "Panel28",  "Panel29",  "Panel30",  "Panel31",  "Panel32"};
    return names;
}

}  // namespace vardeck::z4screen
