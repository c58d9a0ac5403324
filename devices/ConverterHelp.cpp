#include "devices/ConverterHelp.h"

namespace vardeck::devices {

ConverterHelp::ConverterHelp() = default;

const std::string& ConverterHelp::optionsText() {
    static const std::string text =
        "GPRS konverter felhasználói leirása:\n"
        "\n"
        "Tartalék ág: ha a hálózati kapcsolat megszakad, a konverter GPRS-en keresztül fogadja tovább "
        "a jelzéseket. Ehhez a konverter külső soros portjára GPRS modemet kell csatlakoztatni, és meg "
        "kell adni a modemben lévő SIM kártya APN kapcsolódási nevét (GPRS APN kapcsolodási név).\n"
        "\n"
        "Külső kommunikáció: bekapcsolva a konverter a jelzéseket nem a vonalszimulátoron, hanem soros "
        "kábelen adja tovább a felügyeleti vevőnek.\n"
        "\n"
        "ContactID konvertálatlan: a jelzés átalakítás nélkül megy ki a soros kábelen: ügyfélazonosító, "
        "üzenettípus (18 vagy 98), minősítő (1, 3 vagy 6), eseménykód, csoport, zóna és egy ellenőrző "
        "számjegy. Az ellenőrző számjegy olyan, hogy az összes számjegy és az ellenőrző számjegy "
        "összege osztható 15-tel, ahogy a Contact ID szabvány előírja.\n";
    return text;
}

const std::string& ConverterHelp::telnetText() {
    static const std::string text =
        "TELNET mód használata:\n"
        "\n"
        "1. Csatlakoztassa a konverter soros portját a számítógéphez, és indítson egy terminálprogramot "
        "9600 bit/s, 8 adatbit, paritás nélkül, 1 stopbit beállítással.\n"
        "2. Az Extra menü \"Telnet mode\" pontjával állítsa le a konvertert és léptesse TELNET módba, "
        "majd zárja be ezt a programot, hogy a terminálprogram használhassa a portot.\n"
        "3. A konverter gombjaival lépjen a hálózati menübe, és a terminálban állítsa be a konverter "
        "hálózati adatait: IP cím, hálózati maszk, átjáró, a felügyeleti szerver címe és portja.\n"
        "4. A beállítások mentése után indítsa újra a konvertert.\n";
    return text;
}

void ConverterHelp::BitBtn2Click() { Memo1.setText(telnetText()); }

void ConverterHelp::BitBtn1Click() {
    if (closeView) closeView();
    else FormClose();
}

void ConverterHelp::FormClose() { Memo1.setText(optionsText()); }

}  // namespace vardeck::devices
