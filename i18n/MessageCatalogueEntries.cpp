// The message catalogue: every message in Hungarian, English, German and Slovenian. The
// texts are the program's own, spelling included; an empty text means the language has
// none ("Nincs hiba" is Hungarian only).
#include "i18n/MessageCatalogue.h"

namespace vardeck::i18n {

const std::vector<MessageEntry>& messageEntries() {
    static const std::vector<MessageEntry> entries = {
        {{"ERROR PIN CODE", "PIN CODE ERROR", "PIN Code Fehler", "NAPAKA PIN KODE"}},
        {{"Modul szoftvare verzió: ", "Software version of the module: ", "Software Version des Moduls: ", "Programska različica modula: "}},
        {{"Sajnos nincs segítség, majd értesítjük, ha lesz", "Help not available yet", "keine Hilfe verfügbar", "Pomoč še ni na voljo"}},
        {{"Bad PIN", "Bad PIN", "Falscher PIN", "Napačen PIN"}},
        {{"Biztonsági kód nem megfelelő", "Security PIN does not match", "Falscher Sicherheitscode", "Varnostni PIN se ne ujema"}},
        {{"Biztosan újra akarja inditani az eszközt?", "Are you sure to restart the module?", "Wollen Sie das Modul wirklich neustarten?", "Ali ste prepričani, da želite ponovno zagnati modul?"}},
        {{"GSM program leállítása...!", "GSM program shutdown...!", "GSM Programm wird heruntergefahren...!", "GSM izklop programa...!"}},
        {{"GSM Route check...", "GSM Route check...", "GSM Route wird überprüft...", "GSM Route check..."}},
        {{"GSM phonebook read...", "GSM phonebook read...", "GSM Telefonbuch wird gelesen...", "Berem GSM imenik..."}},
        {{"GSM phonebook read, ready", "GSM phonebook read, ready", "GSM Telefonbuch fertig gelesen..", "Berem GSM imenik, Pripravljen"}},
        {{"SIM PIN CODE OFF, Waiting...", "SIM PIN CODE OFF, Waiting...", "SIM PIN CODE AUS, Bitte Warten...", "IZKLOP SIM PIN KODE, Čakam..."}},
        {{"SIM PIN CODE OFF, ERROR", "SIM PIN CODE OFF, ERROR", "SIM PIN CODE AUS, Fehler", "IZKLOP SIM PIN KODE, Napaka"}},
        {{"Phonebook write OK", "Phonebook write OK", "Telefonbuch schreiben OK", "Phonebook write OK"}},
        {{"GSM phonebook write...", "GSM phonebook write...", "schreibe GSM Telefonbuch...", "GSM imenik vpis..."}},
        {{"GSM modem mode OK!", "GSM modem mode OK!", "GSM Modem Modus OK!", "GSM modemski način OK!"}},
        {{"PIN CODE OK", "PIN CODE OK", "PIN CODE OK", "PIN KODA OK"}},
        {{"PIN CODE OFF", "PIN CODE OFF", "PIN CODE AUS", "PIN KODA IZKLOP"}},
        {{"GSM Time: ", "GSM Time: ", "GSM Zeit: ", "GSM Čas: "}},
        {{"GSM modem mode!", "GSM modem mode!", "GSM Modem Modus!", "GSM modemski način!"}},
        {{"Összes adat kiolvasása sikeres!", "Successful readout!", "Auslesen Erfolgreich!", "Odčitavanje uspešno!"}},
        {{"Óra szinkronozása a PC órájával folyamatban...", "GSM time sync in progress...", "GSM Zeit wird synchronisiert...", "GSM sinhronizacija časa v teku..."}},
        {{"Óra szinkronozása a PC órájával sikeres", "GSM time sync successful", "GSM Zeit Synchronisation OK", "GSM sinhronizacija časa uspešna"}},
        {{"Adatküldés sikeres!", "Data send successful!", "Daterfolgreich gesendet!", "Uspešno poslani podatki"}},
        {{"Összes adat kiolvasása folyamatban...", "Readout in progress...", "Daten werden ausgelesen...", "Odčitavanje v teku ..."}},
        {{"Összes adat elküldése folyamatban...", "Data sending in progress...", "Data werden gesendet...", "Pošiljannje podatkov v teku ..."}},
        {{"PIN kód kikapcsolás", "PIN code switching off", "PIN-Abfrage wird deaktiviert", "Izklop PIN KODE"}},
        {{"Kérjük adja meg a SIM kártya PIN kódját", "Please enter PIN for SIM card", "Bitte PIN-Code eingeben", "Prosimo, vnesite PIN za SIM kartico"}},
        {{"Nincs hiba", "", "", ""}},
        {{"Modem konfigurálás", "Configuring modem", "Konfiguriere Modem", "Konfiguriranje modema"}},
        {{"GSM modul nem látható", "GSM module not found", "GSM Modul nicht gefunden", "GSM modula ni bilo mogoče najti"}},
        {{"SIM kártya nincs behelyezve", "SIM Card not inserted", "Keine SIM-Karte eingelegt", "SIM kartica ni vstavljena"}},
        {{"SIM kártya PIN kóddal zárolva", "SIM card locked with PIN Code", "SIM-Karte durch PIN gesperrt", "SIM kartica zaklenjena s PIN kodo"}},
        {{"GSM Modem módban van", "GSM is in Modem mode", "GSM ist im Modem-Modus", "GSM je v Modemskem načinu "}},
        {{"Hálozatra nincs feljelentkezve", "Not registered on network", "nicht im GSM-Netz eingebucht", "Ni registriran v omrežju"}},
        {{"Saját hálózatra feljelentkezve", "Registered on home network", "im Heim-Netz eingebucht", "Registriran na domačem omrežju"}},
        {{"Hálozatra nincs feljelentkezve, előző roaming volt", "Not registered on network, previously was roaming", "nach vorherigem Roaming-Netz bisher nicht eingebucht", "Ni registriran v omrežje, prej je bilo gostovanje"}},
        {{"Roaming hálózatra feljelentkezve", "Registered on roaming network", "im Roaming Netz eingebucht", "Registriran v gostojočem omrežju"}},
        {{"adathívás", "Data call", "Datenanruf", "Podatkovni klic"}},
        {{"Kérjük adja meg a telefonszámot, amit felhívjunk", "Phone number", "Rufnummer", "Telefonska številka"}},
        {{"Művelet van folyamatban, biztosan ki akar lépni???", "Operation in progress, are you sure to quit???", "Änderungen nicht gespeichert, sind Sie sicher???", "Operacija je v teku, ste prepričani da želite končati???"}},
        {{"ékezetes karakterek rosszul jelenhetnek meg a telefonon, kérem ne használjon ékezetes karaktereket!", "Please use characters only from the English alphabet!", "Bitte keine Umlaute/Sonderzeichen!", "Prosimo, uporabite znake samo iz angleške abecede!"}},
        {{"VOICE hívás", "VOICE call", "Sprachanruf", "Glasovni klic"}},
        {{"Kérjük adja meg a telefonszámot, amire SMS-t küldjünk", "Phone number", "Rufnummer", "Telefonska številka"}},
        {{"GSM ellenörzése", "GSM check", "GSM die inspektion", "GSM preverba"}},
        {{"Teszt SMS", "Test SMS", "Testen SMS", "Testiram SMS"}},
        {{"Teszt SMS küldése", "Test SMS send", "Testen SMS sendung", "Testiram SMS pošiljam"}},
        {{"Filenév", "File name", "Dateiname", "Ime datoteke"}},
        {{"Kérem adja meg az IMEI számát az eszköznek", "Please enter IMEI number of the device", "Please enter IMEI number of the device", "Prosimo, vnesite IMEI številko naprave"}},
        {{"Nem megfelelő IMEI szám!", "Not valid IMEI number!", "keine gültige IMEI Nummer!", "IMEI številka ni veljavna!"}},
        {{"Sikertelen küldés", "Unsuccessful sending", "Fehler beim Senden", "Pošiljanje Neuspešno"}},
        {{"Hiba leírása", "Description of error", "Fehlerbeschreibung", "Opis napake"}},
        {{"Kérem írja le a hibajelenséget", "Please, describe the error", "Bitte Fehler beschreiben", "Prosim, opišite napako"}},
        // Our own additions: verify after write, and the note of an operation that
        // leaves the module in GSM modem mode.
        {{"Írás ellenőrzése folyamatban...", "Verifying the written data...", "Geschriebene Daten werden geprüft...",
          "Preverjanje zapisanih podatkov..."}},
        {{"Ellenőrzés sikertelen: a modul mást tárol, mint amit írtunk!",
          "Verify failed: the module holds other data than was written!",
          "Prüfung fehlgeschlagen: das Modul enthält andere Daten als geschrieben!",
          "Preverjanje ni uspelo: modul hrani drugačne podatke, kot so bili zapisani!"}},
        {{"Nincs eltérés", "No differences", "Keine Unterschiede", "Ni razlik"}},
        {{"A modul GSM modem módban maradt, indítsa újra!", "The module stays in GSM modem mode: restart it!",
          "Das Modul bleibt im GSM-Modem-Modus: bitte neu starten!",
          "Modul ostaja v GSM modemskem načinu: ponovno ga zaženite!"}},
    };
    return entries;
}

}  // namespace vardeck::i18n
