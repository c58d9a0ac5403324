// Text-table rows of the configurator's buttons, customer panel and menus, and of the
// module status, monitor and window size views. Columns: Hungarian, English, German,
// Slovenian; an empty text means the language has none.
#include "i18n/TextRowBuilder.h"

namespace vardeck::i18n {
namespace {

void buttonRows(TextRowBuilder& b) {
    b.caption("BitBtn5", "Számok beolvasása", "Read", "Lesen", "Preberi");
    b.caption("BitBtn6", "Számok kiírása", "Send", "Senden", "Pošlji");
    b.caption("Button2", "Új", "New", "Neu", "Nov");
    b.caption("BitBtn1", "Elküldés", "Send", "Senden", "Pošlji");
    b.caption("BitBtn2", "Olvasás", "Read", "Lesen", "Preberi");
    b.caption("BitBtn3", "Kilépés", "Quit", "Beenden", "Izhod");
    b.caption("BitBtn4", "újrainditás", "Restart", "Modul Neustart", "Znova zaženi");
    b.caption("Label97", "Hangfile formátuma: 8Khz, 8bit, mono, PCM", "Voice format: 8Khz, 8bit, mono, PCM", "", "");
    b.caption("Button8", "Feltöltés", "Upload", "", "");
    for (auto name : {"Button9", "Button10", "Button11"}) b.copyCaption(name, "Button8");
}

void customerPanelRows(TextRowBuilder& b) {
    b.caption("Label58", "Ügyfél név:", "Client name:", "Kundenname:", "Ime stranke:");
    b.caption("Label59", "Telepítési cím:", "Installation address:", "Installationsadresse:", "Naslov namestitve:");
    b.caption("Label60", "GSM telefonszám:", "GSM phone number:", "GSM-Rufnummer:", "GSM telefonska številka:");
    b.caption("Label61", "Riasztóközpont típusa:", "Type of alarm center:", "Typ der Alarmzentrale:",
              "Vrsta alarmne centrale:");
    b.caption("Label62", "GSM átjelző típusa:", "Type of GSM module:", "Typ des GSM-Moduls:", "Vrsta GSM modula:");
    b.caption("Label63", "Telepítés dátuma:", "Date of installation:", "Datum der Programmierung:", "Datum namestitve:");
    b.caption("BitBtn7", "Mentés", "Save", "Speichern", "Shrani");
    b.caption("BitBtn8", "Megnyitás", "Open", "Öffnen", "Odpri");
    // The phone-book file buttons read like the profile buttons.
    b.copyCaption("Button3", "BitBtn7");
    b.copyCaption("Button4", "BitBtn8");
}

void menuRows(TextRowBuilder& b) {
    b.caption("Funcik1", "", "Functions", "Funktionen", "Funkcije");
    b.caption("GSMsoftververzi1", "GSM szoftver verzió", "GSM software version", "GSM Softwareversion",
              "Različica GSM programske opreme");
    b.caption("Modulllapotmegjelentse1", "Modul állapot megjelenítése", "Modul status", "Modulstatus", "Stanje modula");
    b.caption("GSMraszinkronozsa1", "GSM óra szinkronozása", "GSM time sync", "GSM Zeit synchronisieren",
              "Sinhronizacija GSM časa");
    b.caption("SIMPINkdkikapcsolsa1", "SIM PIN kód kikapcsolása", "SIM PIN switch off", "SIM-PIN deaktivieren",
              "Izklop SIM PIN kode");
    b.caption("Voicehvstest1", "Voice hívás test (Hang nélkül)", "Voice calling test (no sound)", "Sprachanruf testen",
              "Test glasovnega klica");
    b.caption("Adathvsellenrzs1", "Adathívás test", "Data calling test", "Datenanruf testen", "Test podatkovnega klica");
    b.caption("SMStest1", "SMS test", "SMS test", "SMS testen", "Test SMS");
    b.caption("Kilps1", "", "Exit", "Beenden", "Izhod");
    b.caption("Help1", "Segítség", "Help", "Hilfe", "Pomoč");
    b.caption("Verzi1", "Verzió", "Version", "Version", "Različica");
    b.caption("SajtProfil1", "Saját Profil", "My profile", "Mein Profil", "Moj profil");
    b.caption("ilts1", "Tiltás", "Deny profile", "Einstellungen ablehnen", "Zavrni profil");
    b.caption("Ments1", "Mentés", "Save", "Speichern", "Shrani");
    b.caption("Lersok1", "Leírások", "Manuals", "Anleitungen", "Navodila");
    b.caption("Bektsirajz1", "Bekötési rajz", "Schematics", "Anschlussplan", "Vezalna shema");
    b.caption("Belltsok1", "Beállítások", "Setting", "", "");
    b.caption("Contact1", "Kontakt", "Contact", "Kontakt", "");
    b.caption("Kpernyfelbontsbelltsa1", "Képernyő felbontás beállítása", "Size screen", "", "");
    b.caption("Osszehasonlitas1", "Összehasonlítás fájllal…", "Compare with file…", "Mit Datei vergleichen…",
              "Primerjaj z datoteko…");
    b.caption("IrasEllenorzese1", "Írás ellenőrzése", "Verify after write", "Schreiben prüfen", "Preverjanje po zapisu");
}

void statusViewRows(TextRowBuilder& b) {
    b.caption(kStatusViewName, "Modul állapot", "Modul status", "Modulstatus", "Stanje modula");
    b.caption("Label1", "", "In1:", "In1:", "In1:");
    b.caption("Label2", "", "In2:", "In2:", "In2:");
    b.caption("Label3", "", "In3:", "In3:", "In3:");
    b.caption("Label4", "", "In4:", "In4:", "In4:");
    b.caption("Label9", "", "Tamper:", "Gehäuseschalter:", "Tamper:");
    b.caption("Label10", "Tápfesz:", "Power supply:", "Spannungsüberwachung:", "Napajanje:");
    b.caption("Label7", "Hibakód:", "Error code:", "Fehlercode:", "Koda napake:");
    b.caption("Label8", "GSM Státusz:", "GSM Status:", "GSM-Status:", "GSM stanje:");
    b.caption("Label6", "", "Network power", "Signalstärke", "Moč signala");
    b.caption("Label11", "Hőméséklet:", "Temperature:", "Temperatur:", "Temperatura:");
    b.caption("Label12", "Ki1", "Output1:", "Ausgang1:", "Izhod1:");
    b.caption("Label13", "Ki2", "Output2:", "Ausgang2:", "Izhod2:");
    b.caption("BitBtn3", "", "Exit", "Beenden", "Izhod");
}

void monitorViewRows(TextRowBuilder& b) {
    b.caption(kMonitorViewName, "Monitor", "Monitor", "Monitor", "Monitor");
    b.caption("BitBtn1", "Rendben", "OK", "OK", "V redu");
    b.caption("BitBtn2", "Mentés Fileba", "Save to file", "In Datei speichern", "Shrani v datoteko");
    b.caption("Button1", "Törlés", "Delete", "Löschen", "Izbriši");
    b.caption("Button2", "Elküld", "Send", "Senden", "Pošlji");
    b.caption("Label1", "Monitorozás után, kérem indítsa újra a GSM modult!!!",
              "After monitoring please restart GSM module!!!", "Nach dem Monitoring bitte das GSM-Modul neu starten!!!",
              "Po spremljanju prosimo ponovno zaženite GSM modul!!!");
}

void windowSizeViewRows(TextRowBuilder& b) {
    b.caption(kWindowSizeViewName, "", "Screen", "", "");
    b.caption("RadioGroup1", "Képernyőfelbontás", "Size screen", "", "");
    b.caption("Button1", "Rendben", "OK", "", "");
}

}  // namespace

void appendMenuAndViewRows(std::vector<TextRow>& rows) {
    TextRowBuilder configurator(rows, Screen::Configurator);
    buttonRows(configurator);
    customerPanelRows(configurator);
    menuRows(configurator);

    TextRowBuilder status(rows, Screen::StatusView);
    statusViewRows(status);
    TextRowBuilder monitor(rows, Screen::MonitorView);
    monitorViewRows(monitor);
    TextRowBuilder windowSize(rows, Screen::WindowSizeView);
    windowSizeViewRows(windowSize);
}

}  // namespace vardeck::i18n
