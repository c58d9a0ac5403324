// The controls of the Z-4 editor with their design captions, items and defaults, in the
// order of the pages. Spin edits take range and default from their image field.
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "z4config/ContactIdPages.h"
#include "z4config/CustomerRecord.h"
#include "z4config/ImageEncodings.h"
#include "z4config/ImageLayout.h"
#include "z4config/Z4Editor.h"

namespace vardeck::z4config {
namespace {

using namespace controls;

const std::vector<std::string> kRecipientItems = {"Szám1", "Szám2", "Szám3", "Szám4", "Szám5", "Szám6", "Szám7", "Szám8"};
const std::vector<std::string> kOpenCloseItems = {"Szám 1.", "Szám 2.", "Szám 3.", "Szám 4.",
                                                  "Szám 5.", "Szám 6.", "Szám 7.", "Szám 8."};
const std::vector<std::string> kInputTypes = {"00/ Nem használt",          "01/ 24h normál bemenet",
                                              "02/ Központi bemenet",      "03/ Központi késl. bemenet",
                                              "04/ Késletetet bemenet",    "05/ Ki/be kapcsolás"};
constexpr std::size_t kSmsTextLength = 32;

void header(Grid& grid, const std::array<const char*, 2>& captions) {
    for (int col = 0; col < 2; ++col) grid.setCell(0, col, captions[col]);
}

EditMask phoneMask() {
    EditMask mask;
    mask.positions.assign(16, "0123456789");
    mask.positions[0] = "0123456789+-";
    return mask;
}

class Builder {
public:
    explicit Builder(ControlRegistry& r) : r_(r) {}

    CheckBox& check(const char* name, const char* caption, bool checked = false) {
        return r_.add<CheckBox>(name, caption, checked);
    }
    Edit& edit(const char* name, std::string text, std::size_t maxLength, EditMask mask = {}) {
        return r_.add<Edit>(name, std::move(text), maxLength, std::move(mask));
    }
    ComboBox& list(const char* name, std::vector<std::string> items, int index) {
        return r_.add<ComboBox>(name, std::move(items), index);
    }
    CheckList& recipients(const char* name, bool enabled = true) { return recipients(name, kRecipientItems, enabled); }
    CheckList& recipients(const char* name, const std::vector<std::string>& items, bool enabled = true) {
        auto& l = r_.add<CheckList>(name, items);
        l.setEnabled(enabled);
        return l;
    }
    SpinEdit& spin(const char* name, bool enabled = true) {
        const Field* f = spinField(name);
        if (!f) throw std::logic_error(std::string("no image field for spin edit ") + name);
        auto& s = r_.add<SpinEdit>(name, f->minValue, f->maxValue, f->defaultValue);
        s.setEnabled(enabled);
        return s;
    }
    Label& label(const char* name, std::string caption) { return r_.add<Label>(name, std::move(caption)); }

    // An input page: type list, inversion, option boxes (name suffix digit and caption),
    // alarm text, SMS and call lists.
    void inputPage(int n, const char* optionPrefix, std::initializer_list<int> optionDigits, const char* textName,
                   std::string text, int typeItem, bool listsEnabled = true) {
        const std::string num = std::to_string(n);
        list(("ComboBox" + num).c_str(), kInputTypes, typeItem);
        check(("CheckBox" + num).c_str(), "Invertált működés");
        for (int digit : optionDigits) check((optionPrefix + std::to_string(digit)).c_str(), optionCaption(digit));
        edit(textName, std::move(text), kSmsTextLength);
        recipients(("SMSst" + num).c_str(), listsEnabled);
        recipients(("VOICEst" + num).c_str(), listsEnabled);
    }

private:
    static const char* optionCaption(int digit) {
        switch (digit) {
            case 1: return "Visszaállásról is SMS/hívás";
            case 3: return "Szirénahang";
            case 4: return "Hangüzenet küldése";
            case 5: return "Távfelügyelet értesítés";
            case 6: return "Híváskor nem kell felvenni";
            case 7: return "DTMF nyugtázás híváskor (# nyugta, * nyugta és törlés)";
            default: return "";
        }
    }
    ControlRegistry& r_;
};

}  // namespace

void addZ4EditorControls(ControlRegistry& registry) {
    Builder b(registry);

    // "Telefonszámok"
    for (int i = 1; i <= 8; ++i) b.edit(("MaskEdit" + std::to_string(i)).c_str(), "", 16, phoneMask());

    // "Be1" to "Be4"
    b.inputPage(1, "best1", {1, 3, 4, 5, 6, 7}, "riasztas", "1 bemenet riasztas", 1);
    b.inputPage(2, "best2", {1, 3, 4, 5, 6, 7}, "riasztas2", "2 bemenet riasztas", 1);
    b.inputPage(3, "best3", {1, 3, 4, 5, 6, 7}, "riasztas3", "3 bemenet riasztas", 0);
    b.inputPage(4, "best4", {1, 3, 4, 5, 6, 7}, "riasztas4", "4 bemenet riasztas", 0);

    // "Kimenet"
    const std::vector<std::string> modes = {"Egyállapotú időzített (MONO)", "Kétállapotú (BI)", "Élesítés/Hatástalanítás"};
    b.list("ComboKi1", modes, 0);
    b.list("KI1SECMIN", {"Sec", "Min"}, kSecondsItem);
    b.spin("SpinKI1");
    b.check("CheckBox1KI1", "Hivószámazonosításkor vezérlés", true);
    b.check("CheckBox2KI1", "Riasztáskor vezérlés");
    b.check("CheckBox3KI1", "NINCS hívószámazonosítás");
    b.list("ComboKi2", modes, 0);
    b.list("KI2SECMIN", {"Sec", "Min"}, kSecondsItem);
    b.spin("SpinKI2");
    b.check("CheckBox1KI2", "Hivószámazonosításkor vezérlés");
    b.check("CheckBox2KI2", "Riasztáskor vezérlés");

    // "Tamper", "Tápmonitor"
    b.inputPage(9, "best9", {1, 3, 5, 6, 7}, "riasztas9", "Belso szabotazs riasztas", 1);
    b.inputPage(10, "best10", {1, 3, 5, 6, 7}, "riasztas10", "Belso taphiba riasztas", 1);
    b.list("ComboBox20", {"7V", "8V", "9V", "9,5V", "10V", "10,5V", "11V", "11,5V", "12V", "12,5V", "13V"}, kVoltageDefaultItem);
    b.label("Label175", "Riasztási feszültség érték:");

    // "Életjel"
    b.check("CheckBox11", "Életjel küldés");
    b.spin("SpinEdit1", false);
    b.spin("SpinEdit2", false);
    b.spin("SpinEdit3", false);
    b.recipients("SMSst11");
    b.edit("riasztas11", "Eletjel kuldes, minden rendben..", kSmsTextLength);
    registry.add<Button>("Button16", "Életjel teszt küldés!").setVisible(false);

    // "Egyéb"
    b.check("CheckEgyeb1", "Körhívás funció");
    b.spin("SpinEdit4");
    b.spin("SpinEdit5");
    b.check("CheckEgyeb2", "SMS átírányítás");
    b.list("ComboBox11", {"Phone1", "Phone2", "Phone3", "Phone4", "Phone5", "Phone6", "Phone7", "Phone8"}, -1).setEnabled(false);
    b.edit("Edit1", "", 4);
    b.list("ComboBox12", {"Kikapcsolva", "Alacsony", "Normál", "Közepes", "Erős"}, 2);
    b.edit("Edit8", "Visszaallas:", kSmsTextLength);
    b.check("CheckEgyeb3", "LED-ek kikapcsolása csukot fedőnél").setVisible(false);
    b.check("CheckEgyeb4", "Kimenet mentése memóriába").setVisible(false);
    b.check("CheckEgyeb5", "Hívószámazonosításkor élesít/hatástalanít").setVisible(false);
    b.check("CheckEgyeb6", "Mikrofon üzemmód bekapcsolva").setVisible(false);
    b.edit("Edit12", "", 120);
    b.label("Label181", "120");
    b.spin("SpinEdit11");
    b.spin("SpinEdit12");
    b.spin("SpinEdit13");
    b.spin("SpinEdit14");

    // "Szám azonosítás"
    b.check("CheckEgyeb2_1", "Bejövő hívás felvétele (azonosított)");

    // "Hőméséklet"
    registry.add<Page>("TabSheet16", "Hőméséklet");
    b.inputPage(13, "best13", {1}, "riasztas13", "Homerseklet riasztas max", 0);
    b.check("hkompmax", "Max hőméséklet").setEnabled(false);
    b.spin("SpinEdit6", false);
    b.check("hkompmin", "Min hőméséklet").setEnabled(false);
    b.spin("SpinEdit7", false);
    b.edit("riasztas13b", "Homerseklet riasztas min", kSmsTextLength);

    // "GPS", "Sebesség", "Emelés"
    b.check("GPSbit0", "GPS vevő használata", true);
    b.check("GPSbit1", "NMEA GPS kódok küldése");
    b.inputPage(5, "BEst5", {1}, "riasztas5", "Sebesseg tullepes", 0, false);
    b.spin("SpinEdit8");
    b.inputPage(6, "BEst6", {1}, "riasztas6", "Sebesseg tullepes", 0, false);
    b.spin("SpinEdit9");

    // "GPRS"
    b.spin("SpinEdit10");
    b.list("ComboBox14", {"Kikapcsolva", "Datanet APN", "Egyéni APN"}, 0);
    b.edit("Edit10", "", 63).setVisible(false);
    b.edit("Edit11", "", 45).setVisible(false);

    // "CID/SMS": zone names (16 rows), event codes (159 rows shown; the editor keeps the
    // two further rows of the image beside the grid) and the SMS recipients of the
    // selected event row.
    registry.add<Page>("TabSheet21", "CID/SMS");
    header(registry.add<Grid>("StringGrid2", 1 + kZoneRows, 2, 1), kZoneGridHeader);
    header(registry.add<Grid>("StringGrid3", 1 + kShownEventRows, 2, 1), kEventGridHeader);
    b.recipients("SMSst7");
    b.label("Label87", "???");

    // "Távfelügyelet"
    registry.add<Page>("TabSheet24", "Távfelügyelet");
    b.edit("CIDUGYFEL", "1234", 4);
    const char* inputs[] = {"1", "2", "3", "4"};
    for (int i = 0; i < 4; ++i) {
        b.edit(("CIDbe" + std::string(inputs[i])).c_str(), "130", 3);
        b.edit(("ZONAbe" + std::string(inputs[i])).c_str(), "00" + std::string(inputs[i]), 3);
    }
    b.edit("CIDtamper", "137", 3);
    b.edit("ZONAtamper", "001", 3);
    b.edit("CIDtap", "302", 3);
    b.edit("ZONAtap", "001", 3);
    b.label("Label138", "Életjel:");
    b.edit("CIDelet", "602", 3);
    b.check("ELETcid", "Életjel");
    b.label("Label129", "Életjel ciklus: [perc]");
    b.spin("SpinEdit17");
    b.edit("TAV1", "", 16);
    b.edit("TAV2", "", 16);
    b.list("ComboBox17", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, 5);
    b.list("ComboBox16", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 6);

    // "Nyitás/Zárás"
    registry.add<Page>("TabSheet27", "Nyitás/Zárás");
    b.recipients("SMSst16", kOpenCloseItems);
    b.recipients("SMSst17", kOpenCloseItems);
    b.edit("Edit17", "nyitás", kSmsTextLength);
    b.edit("Edit18", "zárás", kSmsTextLength);

    // The customer record fields below the pages (their labels and buttons belong to
    // the configurator screen around the editor).
    for (std::string_view name : kCustomerFields) b.edit(std::string(name).c_str(), "", kCustomerFieldMaxLength);

    // Status bar: port, model, firmware version, operation.
    registry.add<StatusBar>("StatusBar1", 4);
}

}  // namespace vardeck::z4config
