// Text-table rows of the configurator's editor pages: page captions, labels and check
// boxes, the drop-down lists and the default SMS texts. Columns: Hungarian, English,
// German, Slovenian. An empty Hungarian text marks a control whose Hungarian text is its
// design text alone; the screen may restore that design text (TextTargets::showDesignText).
#include "i18n/TextRowBuilder.h"

namespace vardeck::i18n {
namespace {

void pageRows(TextRowBuilder& b) {
    b.caption("TabSheet1", "Telefonszámok", "Phone numbers", "Telefonnummern", "Telefonske številke");
    b.caption("TabSheet2", "Be1", "In1", "In1", "In1");
    b.caption("TabSheet3", "Be2", "In2", "In2", "In2");
    b.caption("TabSheet4", "Be3", "In3", "In3", "In3");
    b.caption("TabSheet5", "Be4", "In4", "In4", "In4");
    b.caption("TabSheet6", "Be5", "In5", "In5", "In5");
    b.caption("TabSheet7", "Be6", "In6", "In6", "In6");
    b.caption("TabSheet8", "Be7", "In7", "In7", "In7");
    b.caption("TabSheet9", "Be8", "In8", "In8", "In8");
    b.caption("TabSheet10", "Kimenet", "output", "Ausgang", "Izhod");
    b.caption("TabSheet11", "Tamper", "Tamper", "Gehäuseschalter", "Tamper");
    b.caption("TabSheet12", "Tápmonitor", "Ext.Power monitor", "Ext. Spannungsüberwachung", "Nadzor zun. napajanja");
    b.caption("TabSheet13", "Életjel", "Life signal", "Statusmeldungen", "Signal statusa");
    b.caption("TabSheet14", "Egyéb", "Other", "Sonstiges", "Ostalo");
    b.caption("TabSheet15", "Szám azonosítás", "Caller ID", "Anruferkennung", "ID klicatelja");
    b.caption("TabSheet16", "Hőmérséklet", "Temperature", "Temperatur", "Temperatura");
    b.caption("TabSheet18", "Sebesség", "Speed", "Geschwindigkeit", "Hitrost");
    b.caption("TabSheet22", "Hangok", "Voice", "", "");
}

void phoneNumberRows(TextRowBuilder& b) {
    b.caption("Label1", "", "Phone numbers to call:", "Anzurufende Rufnummern:", "Telefonske številke za klic:");
    b.caption("Label2", "Szám1:", "Number 1:", "Nummer 1:", "Številka 1:");
    b.caption("Label3", "Szám2:", "Number 2:", "Nummer 2:", "Številka 2:");
    b.caption("Label4", "Szám3:", "Number 3:", "Nummer 3:", "Številka 3:");
    b.caption("Label5", "Szám4:", "Number 4:", "Nummer 4:", "Številka 4:");
    b.caption("Label6", "Szám5:", "Number 5:", "Nummer 5:", "Številka 5:");
    b.caption("Label7", "Szám6:", "Number 6:", "Nummer 6:", "Številka 6:");
    b.caption("Label8", "Szám7:", "Number 7:", "Nummer 7:", "Številka 7:");
    b.caption("Label9", "Szám8:", "Number 8:", "Nummer 8:", "Številka 8:");
}

void inputPageRows(TextRowBuilder& b) {
    b.caption("Label11", "", "Settings of 1st input", "Einstellung Eingang 1", "Nastavitve 1. vhoda");
    b.caption("Label31", "", "Settings of 2nd input", "Einstellung Eingang 2", "Nastavitve 2. vhoda");
    b.caption("Label32", "", "Settings of 3rd input", "Einstellung Eingang 3", "Nastavitve 3. vhoda");
    b.caption("Label33", "", "Settings of 4th input", "Einstellung Eingang 4", "Nastavitve 4. vhoda");
    b.caption("Label42", "Tamper beállításai", "Settings of Tamper", "Einstellung Gehäuseschalter", "Settings of Tamper");
    b.caption("Label47", "", "Settings of Power monitor", "Einstellung Spannungsüberwachung",
              "Nastavitve nadzora napajanja");
    b.caption("Label14", "", "SMS text:", "SMS-Text:", "Besedilo SMS:");
    b.caption("Label10", "Jelölje ki mely számokra kíván SMS-t küldeni", "Select the phone numbers to send SMS to",
              "Rufnummern für den SMS-Versand auswählen", "Izberite telefonske številke za pošiljanje SMS");
    b.caption("Label12", "Jelölje ki mely számokra kíván hívást küldeni", "Select the phone numbers to call",
              "Anzurufende Rufnummern auswählen", "Izberite telefonske številke za klic");
    b.caption("Label13", "", "input type:", "Eingangstyp:", "vrsta vhoda:");
    b.caption("CheckBox1", "Invertált működés", "Inverted operation", "Invertierter Betrieb", "Obrnjeno delovanje");
    b.caption("best11", "Visszaállásról is SMS/hívás", "SMS/Calling for setback", "SMS/Anruf auch bei Rückstellung",
              "SMS/klic tudi ob obnovitvi");
    b.caption("best13", "Szirénahang", "Siren", "", "");
    b.caption("best14", "Hangüzenet küldése", "Voice message", "", "");
    b.caption("Label64", "Bemenet visszaállás SMS szöveg:", "SMS Text for Input restore:",
              "SMS-Text bei Rückstellung des Eingangs:", "Besedilo SMS ob obnovitvi vhoda:");
    b.caption("Label68", "", "Temp settings", "Temperatureinstellungen", "Nastavitve temperature");
    b.caption("Label69", "Max hőmérséklet szöveg", "Max temperature message:", "Mitteilung bei Temperatur Max:",
              "Sporočilo za max temperaturo:");
    b.caption("Label70", "Min hőmérséklet szöveg:", "Min temperature message:", "Mitteilung bei Temperatur Min:",
              "Sporočilo za max temperaturo:");
    b.caption("hkompmax", "Max hőmérséklet", "Max temperature", "Max. Temperatur", "Maks. temperatura");
    b.caption("hkompmin", "Min hőmérséklet", "Min temperature", "Min. Temperatur", "Min. temperatura");
}

// The other input-like pages repeat the labels and check boxes of input 1.
void inputPageCopyRows(TextRowBuilder& b) {
    for (auto name : {"Label15", "Label16", "Label17", "Label53", "Label40", "Label48", "Label74"})
        b.copyCaption(name, "Label14");
    for (auto name : {"Label19", "Label20", "Label26", "Label38", "Label44", "Label65", "Label72"})
        b.copyCaption(name, "Label10");
    for (auto name : {"Label27", "Label21", "Label22", "Label43", "Label45", "Label66", "Label73"})
        b.copyCaption(name, "Label12");
    for (auto name : {"Label28", "Label29", "Label30", "Label41", "Label46", "Label67", "Label71"})
        b.copyCaption(name, "Label13");
    for (auto name : {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox9", "CheckBox10", "CheckBox13"})
        b.copyCaption(name, "CheckBox1");
    for (auto name : {"best21", "best31", "best41", "BEst51", "best91", "best101", "best131"})
        b.copyCaption(name, "best11");
    for (auto name : {"best23", "best33", "best43"}) b.copyCaption(name, "best13");
    for (auto name : {"best24", "best34", "best44"}) b.copyCaption(name, "best14");
    // The sound page names its slots after the first four input pages.
    b.copyCaption("Label92", "TabSheet2");
    b.copyCaption("Label93", "TabSheet3");
    b.copyCaption("Label94", "TabSheet4");
    b.copyCaption("Label95", "TabSheet5");
}

// The input-type list replaces the designed items at every activation.
void inputTypeRows(TextRowBuilder& b) {
    b.item("ComboBox1", 0, "00/ Nem használt", "00/ Not used", "00/ Nicht benutzt", "00/ Ni v uporabi");
    b.item("ComboBox1", 1, "01/ 24h normál bemenet", "01/ 24h normal input", "01/ immer aktiv",
           "01/ 24h normalni vhod");
    b.item("ComboBox1", 2, "02/ tartalék", "02/ reserved", "02/ reserviert", "02/ rezervirano");
    b.item("ComboBox1", 3, "03/ Központi bemenet", "03/ Autonomous mode input", "03/ Autonomer Eingang",
           "03/ Avtonomni način vnosa");
    b.item("ComboBox1", 4, "04/ tartalék", "04/ reserved", "04/ reserviert", "04/ rezervirano");
    b.item("ComboBox1", 5, "05/ Ki/be kapcsolás", "05/ Switch On/Off", "05/ Ein/Aus schalten", "05/ Vklop/Izklop");
    for (auto list : {"ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox9", "ComboBox10", "ComboBox13"})
        b.copyItems(list, "ComboBox1", 6);
}

// Default contents of the SMS text fields. They are sent to phones, so the German and
// Slovenian texts avoid umlauts and carons, as the Hungarian ones avoid accents.
void smsDefaultRows(TextRowBuilder& b) {
    b.content("riasztas", "1 bemenet riasztas", "1st input alarm", "Alarm auf Eingang1", "1. vhodni alarm");
    b.content("riasztas2", "2 bemenet riasztas", "2nd input alarm", "Alarm auf Eingang2", "2. vhodni alarm");
    b.content("riasztas3", "3 bemenet riasztas", "3rd input alarm", "Alarm auf Eingang3", "3. vhodni alarm");
    b.content("riasztas4", "4 bemenet riasztas", "4th input alarm", "Alarm auf Eingang4", "4. vhodni alarm");
    b.content("riasztas5", "Sebesseg tullepes", "speed alarm", "Alarm auf Geschwindigkeit", "hitrostni alarm");
    b.content("riasztas9", "Belso szabotazs riasztas", "Tamper alarm", "Sabotagealarm", "Tamper alarm");
    b.content("riasztas10", "Belso taphiba riasztas", "Internal power alarm", "Alarm interne Versorgung",
              "Alarm notranjega napajanja");
    b.content("riasztas11", "Eletjel kuldes, minden rendben..", "Life signal, system OK...", "Systemmeldung: Status ok",
              "Signal statusa, sistem OK...");
    b.content("riasztas13", "Homerseklet riasztas max", "Max temperature alarm", "Alarm Temperatur Max",
              "Alarm max temperature");
    b.content("riasztas13b", "Homerseklet riasztas min", "Min temperature alarm", "Alarm Temperatur Min",
              "Alarm min temperature");
    b.content("Edit8", "Visszaallas:", "Restore:", "Laden:", "Obnova:");
}

void outputPageRows(TextRowBuilder& b) {
    b.caption("Label34", "", "output1:", "Ausgang1:", "izhod1:");
    b.caption("Label35", "", "output2:", "Ausgang2:", "izhod2:");
    b.caption("Label36", "", "Time:", "Zeit:", "Čas:");
    b.caption("Label37", "", "Time:", "Zeit:", "Čas:");
    for (auto name : {"CheckBox1KI1", "CheckBox1KI2"})
        b.caption(name, "Hivószámazonosításkor vezérlés", "Control for Caller ID", "Steuerung bei Anruferkennung",
                  "Krmiljenje ob ID klicatelja");
    for (auto name : {"CheckBox2KI1", "CheckBox2KI2"})
        b.caption(name, "Riasztáskor vezérlés", "Control for alarm", "Steuerung bei Alarm", "Krmiljenje ob alarmu");
    // The third item ("Élesítés/Hatástalanítás") keeps its design text in every language.
    for (auto list : {"ComboKi1", "ComboKi2"}) {
        b.item(list, 0, "Egyállapotú időzített (MONO)", "Monostable", "Monostabil", "Monostabilno");
        b.item(list, 1, "Kétállapotú (BI)", "Bistable", "Bistabil", "Bistabilno");
    }
}

void lifeSignalRows(TextRowBuilder& b) {
    b.caption("CheckBox11", "Életjel küldés", "Life signal sending", "Statusmeldung senden",
              "Pošiljanje signala statusa");
    b.caption("Label52", "Jelölje ki mely számokra kíván SMS-t küldeni", "Select the phone numbers to send Life signal to",
              "Rufnummern für die Statusmeldung auswählen", "Izberite telefonske številke za signal statusa");
    b.caption("Label49", "naponként", "daily", "täglich", "dnevno");
    b.caption("Label50", "órakor küldés", "At ... o clock", "Um ... Uhr", "Ob ... uri");
    b.caption("Label51", "nap múlva az első", "First, after ... days", "Erstmals nach ... Tagen", "Prvič po ... dneh");
}

void otherPageRows(TextRowBuilder& b) {
    b.caption("CheckEgyeb1", "Körhívás funció (mindekinek nyugtázni kell!)", "Circular calling", "Rundruf",
              "Krožno klicanje");
    b.caption("Label54", "Csöngetési idő [sec]:", "Ring Time [sec]", "Klingeldauer [sec]", "Čas zvonjenja [sec]");
    b.caption("Label55", "Max hivásismétlések száma", "Max number of redials", "Max. Anzahl Wahlwiederholungen",
              "Največje število ponovnih klicev");
    b.caption("CheckEgyeb2", "SMS átírányítás", "SMS redirection", "SMS-Weiterleitung", "Preusmeritev SMS");
    b.caption("Label56", "SMS biztonsági kód:", "SMS security code:", "SMS-Sicherheitscode:", "Varnostna koda SMS:");
    b.caption("Label57", "Digitális bemenet szűrő/érzékenység", "Digital input filter/sensitivity",
              "Filter/Empfindlichkeit Digitaleingang", "Filter/občutljivost digitalnega vhoda");
    b.item("ComboBox12", 0, "Kikapcsolva", "Switched off", "Ausgeschaltet", "Izklopljeno");
    b.item("ComboBox12", 1, "Alacsony", "Low", "Niedrig", "Nizka");
    b.item("ComboBox12", 2, "Normál", "normal", "Normal", "Normalna");
    b.item("ComboBox12", 3, "Közepes", "Medium", "Mittel", "Srednja");
    b.item("ComboBox12", 4, "Erős", "Strong", "Stark", "Močna");
    b.caption("CheckEgyeb3", "LED-ek kikapcsolása csukot fedőnél", "LED switch off when cover is on",
              "LEDs aus bei geschlossenem Deckel", "Izklop LED pri zaprtem pokrovu");
    b.caption("CheckEgyeb4", "Kimenet mentése memóriába", "save output to memory", "save output to memory",
              "save output to memory");
    b.caption("CheckEgyeb5", "Hívószámazonosításkor élesít/hatástalanít", "caller ID arm/disarm",
              "Scharf/Unscharf per Anruferkennung", "Vklop/izklop z ID klicatelja");
    b.caption("CheckEgyeb6", "Mikrofon üzemmód bekapcsolva", "microphone mode on", "Mikrofonmodus ein",
              "Način mikrofona vklopljen");
}

}  // namespace

void appendEditorPageRows(std::vector<TextRow>& rows) {
    TextRowBuilder b(rows, Screen::Configurator);
    pageRows(b);
    phoneNumberRows(b);
    inputPageRows(b);
    inputPageCopyRows(b);
    inputTypeRows(b);
    smsDefaultRows(b);
    outputPageRows(b);
    lifeSignalRows(b);
    otherPageRows(b);
}

}  // namespace vardeck::i18n
