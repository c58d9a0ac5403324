#include "z4config/Z4Editor.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "z4config/CustomerRecord.h"
#include "z4config/GprsStrings.h"
#include "controls/Utf8.h"

namespace vardeck::z4config {

using namespace controls;

namespace {

// The recipient lists of each page whose refresh captions them after the phone list.
struct RecipientPage {
    Z4Page page;
    const char* typeCombo;  // the page's input-type list (nullptr: none)
    const char* smsList;
    const char* callList;  // nullptr: the page has only an SMS list
    bool blankFromPhone5;  // Z-1 (type 80) has four phones: items 5-8 get empty captions
};

constexpr RecipientPage kRecipientPages[] = {
    {Z4Page::Be1, "ComboBox1", "SMSst1", "VOICEst1", true},
    {Z4Page::Be2, "ComboBox2", "SMSst2", "VOICEst2", true},
    {Z4Page::Be3, "ComboBox3", "SMSst3", "VOICEst3", false},
    {Z4Page::Be4, "ComboBox4", "SMSst4", "VOICEst4", false},
    {Z4Page::Tamper, "ComboBox9", "SMSst9", "VOICEst9", true},
    {Z4Page::PowerMonitor, "ComboBox10", "SMSst10", "VOICEst10", false},
    {Z4Page::LifeSignal, nullptr, "SMSst11", nullptr, true},
    {Z4Page::Temperature, nullptr, "SMSst13", "VOICEst13", false},
    {Z4Page::Speed, "ComboBox5", "SMSst5", "VOICEst5", false},
    {Z4Page::Lift, "ComboBox6", "SMSst6", "VOICEst6", false},
};

std::string phoneName(int phone) { return "Phone" + std::to_string(phone); }

// The SMS text fields whose changes the accent warning watches.
constexpr std::string_view kAccentCheckedFields[] = {
    "riasztas",  "riasztas2",  "riasztas3",  "riasztas4",   "riasztas5", "riasztas6", "riasztas9",
    "riasztas10", "riasztas11", "riasztas13", "riasztas13b", "Edit17",    "Edit18",    "Edit8"};

bool isAccentChecked(std::string_view name) {
    return std::find(std::begin(kAccentCheckedFields), std::end(kAccentCheckedFields), name) != std::end(kAccentCheckedFields);
}

}  // namespace

Z4Editor::Z4Editor(int deviceType)
    : populated_((addZ4EditorControls(registry_), true)),
      MaskEdit{&get<Edit>("MaskEdit1"), &get<Edit>("MaskEdit2"), &get<Edit>("MaskEdit3"), &get<Edit>("MaskEdit4"),
               &get<Edit>("MaskEdit5"), &get<Edit>("MaskEdit6"), &get<Edit>("MaskEdit7"), &get<Edit>("MaskEdit8")},
      CheckBox11(get<CheckBox>("CheckBox11")),
      SpinEdit1(get<SpinEdit>("SpinEdit1")),
      SpinEdit2(get<SpinEdit>("SpinEdit2")),
      SpinEdit3(get<SpinEdit>("SpinEdit3")),
      ComboBox13(get<ComboBox>("ComboBox13")),
      hkompmax(get<CheckBox>("hkompmax")),
      hkompmin(get<CheckBox>("hkompmin")),
      SpinEdit6(get<SpinEdit>("SpinEdit6")),
      SpinEdit7(get<SpinEdit>("SpinEdit7")),
      CheckEgyeb2(get<CheckBox>("CheckEgyeb2")),
      ComboBox11(get<ComboBox>("ComboBox11")),
      ComboKi1(get<ComboBox>("ComboKi1")),
      ComboKi2(get<ComboBox>("ComboKi2")),
      KI1SECMIN(get<ComboBox>("KI1SECMIN")),
      KI2SECMIN(get<ComboBox>("KI2SECMIN")),
      SpinKI1(get<SpinEdit>("SpinKI1")),
      SpinKI2(get<SpinEdit>("SpinKI2")),
      Edit12(get<Edit>("Edit12")),
      Label181(get<Label>("Label181")),
      ComboBox14(get<ComboBox>("ComboBox14")),
      Edit10(get<Edit>("Edit10")),
      Edit11(get<Edit>("Edit11")),
      StringGrid2(get<Grid>("StringGrid2")),
      StringGrid3(get<Grid>("StringGrid3")),
      SMSst7(get<CheckList>("SMSst7")),
      Label87(get<Label>("Label87")),
      Edit1(get<Edit>("Edit1")),
      StatusBar1(get<StatusBar>("StatusBar1")),
      deviceType_(deviceType),
      eventTable_(StringGrid3) {
    outputTime_ = {SpinKI1.value(), SpinKI2.value()};
}

Z4Editor::Output Z4Editor::output(int number) {
    if (number == 1) return {ComboKi1, KI1SECMIN, SpinKI1};
    return {ComboKi2, KI2SECMIN, SpinKI2};
}

bool Z4Editor::phoneEmpty(int phone) const {
    const std::string& text = MaskEdit.at(phone - 1)->text();
    return text.empty() || text[0] == ' ';
}

void Z4Editor::phoneMenuClicked(int phone, std::string_view item) {
    Edit& field = *MaskEdit.at(phone - 1);
    if (item == "Delete") field.setText({});
    else if (item == "+3630" || item == "+3620") field.setText(std::string(item));
}

// ---- page refreshes ----

void Z4Editor::refreshRecipientLists(std::initializer_list<const char*> lists, bool blankFromPhone5) {
    for (const char* name : lists) {
        if (!name) continue;
        auto& list = get<CheckList>(name);
        for (int k = 1; k <= 8; ++k) {
            const bool empty = phoneEmpty(k);
            std::string caption = empty ? phoneName(k) : MaskEdit[k - 1]->text();
            if (empty && blankFromPhone5 && k >= 5) caption.clear();
            list.setItemCaption(k - 1, std::move(caption));
            list.setItemEnabled(k - 1, !empty);
        }
    }
    warningFlag_ = false;
}

void Z4Editor::refreshOtherPage() {
    // Recaptioning a list loses its selection; the refresh keeps and restores it.
    rememberedRedirection_ = ComboBox11.itemIndex();
    for (int k = 1; k <= 8; ++k) ComboBox11.setItemCaption(k - 1, phoneEmpty(k) ? phoneName(k) : MaskEdit[k - 1]->text());
    warningFlag_ = false;
    ComboBox11.setItemIndex(rememberedRedirection_);
}

void Z4Editor::refreshPage(Z4Page page) {
    if (page == Z4Page::Other) return refreshOtherPage();
    if (page == Z4Page::OpenClose) return refreshRecipientLists({"SMSst16", "SMSst17"}, false);
    if (page == Z4Page::CidSms) return refreshRecipientLists({"SMSst7"}, false);
    if (page == Z4Page::RemoteMonitoring) {
        warningFlag_ = false;
        return;
    }
    for (const RecipientPage& p : kRecipientPages) {
        if (p.page == page) return refreshRecipientLists({p.smsList, p.callList}, p.blankFromPhone5 && deviceType_ == kTypeZ1);
    }
}

void Z4Editor::refreshPagesBeforeWrite() {
    for (Z4Page page : {Z4Page::Be1, Z4Page::Be2, Z4Page::Be3, Z4Page::Be4, Z4Page::Tamper, Z4Page::PowerMonitor,
                        Z4Page::LifeSignal, Z4Page::Other, Z4Page::Temperature, Z4Page::Speed})
        refreshPage(page);
}

void Z4Editor::pageLeft(Z4Page page) {
    if (page == Z4Page::Other && Edit1.length() != 4) showMessage(kSecurityCodeMessage);
}

// ---- messages ----

void Z4Editor::attachDialogs(Dialogs* dialogs, MessageLookup messages) {
    dialogs_ = dialogs;
    messages_ = std::move(messages);
}

void Z4Editor::showMessage(const char* hungarianKey) {
    if (dialogs_) dialogs_->showMessage(lookUp(messages_, hungarianKey));
}

// The module's older firmware shows accented letters wrongly on phones; the warning is
// given once per page visit, on the letter just typed (í is shown correctly).
void Z4Editor::checkAccent(std::string_view field) {
    static const std::u32string kAccented = U"éáűőúöüóÉÁŰŐÚÖÜÓ";
    constexpr int kFirmwareWithAccents = 38;
    const std::string& text = get<Edit>(field).text();
    if (warningFlag_ || firmwareVersion_ >= kFirmwareWithAccents || text.empty() || !dialogs_) return;
    const std::u32string chars = utf8Decode(text);
    if (kAccented.find(chars.back()) == std::u32string::npos) return;
    warningFlag_ = true;  // before the modal box, so nothing typed meanwhile warns twice
    showMessage(kAccentMessage);
}

void Z4Editor::customerFieldChanged(std::string_view field) {
    Edit& edit = get<Edit>(field);
    edit.setText(storableCustomerText(edit.text()));
}

// ---- control rules ----

void Z4Editor::setChecked(CheckBox& box, bool on) {
    if (box.setChecked(on)) userChanged(box.name());
}

void Z4Editor::setTimeUnit(int number, int item) {
    Output o = output(number);
    o.unit.setItemIndex(item);
    const int seconds = outputTime(number);
    if (item == kMinutesItem) {
        o.time.setRange(1, kMaxMinutes);
        o.time.setValue(std::max(1, seconds / 60));
    } else {
        o.time.setRange(1, 65535);
        o.time.setValue(seconds);
    }
    timeSpinChanged(number);
}

void Z4Editor::timeSpinChanged(int number) {
    Output o = output(number);
    setOutputTime(number, o.unit.itemIndex() == kMinutesItem ? o.time.value() * 60 : o.time.value());
}

void Z4Editor::outputModeChanged(int number) {
    Output o = output(number);
    const bool timed = o.mode.itemIndex() == 0;
    o.time.setEnabled(timed);
    o.unit.setEnabled(timed);
}

void Z4Editor::inputTypeChanged(std::string_view combo) {
    for (const RecipientPage& p : kRecipientPages) {
        if (!p.typeCombo || combo != p.typeCombo) continue;
        const bool used = get<ComboBox>(combo).itemIndex() != 0;
        get<CheckList>(p.smsList).setEnabled(used);
        if (p.callList) get<CheckList>(p.callList).setEnabled(used);
    }
}

void Z4Editor::userChanged(std::string_view name) {
    if (name == "CheckBox11") {
        for (SpinEdit* s : {&SpinEdit1, &SpinEdit2, &SpinEdit3}) s->setEnabled(CheckBox11.checked());
    } else if (name == "hkompmax") {
        SpinEdit6.setEnabled(hkompmax.checked());
    } else if (name == "hkompmin") {
        SpinEdit7.setEnabled(hkompmin.checked());
    } else if (name == "CheckEgyeb2") {
        ComboBox11.setEnabled(CheckEgyeb2.checked());
    } else if (name == "ComboBox13") {
        const bool used = ComboBox13.itemIndex() != 0;
        for (Control* c : std::initializer_list<Control*>{&SpinEdit6, &SpinEdit7, &hkompmax, &hkompmin}) c->setEnabled(used);
    } else if (name == "ComboKi1" || name == "ComboKi2") {
        outputModeChanged(name == "ComboKi1" ? 1 : 2);
    } else if (name == "KI1SECMIN" || name == "KI2SECMIN") {
        const int number = name == "KI1SECMIN" ? 1 : 2;
        setTimeUnit(number, output(number).unit.itemIndex());
    } else if (name == "SpinKI1" || name == "SpinKI2") {
        timeSpinChanged(name == "SpinKI1" ? 1 : 2);
    } else if (name == "Edit12") {
        Label181.setCaption(std::to_string(120 - static_cast<long>(Edit12.length())));
    } else if (name == "SMSst7") {
        eventTable_.setMask(selectedEventRow_, static_cast<std::uint8_t>(SMSst7.checkedBits() & 0xFF));
    } else if (name == "StringGrid2" || name == "StringGrid3") {
        const Grid& grid = get<Grid>(name);
        for (int row = grid.fixedRows(); row < grid.rowCount(); ++row)
            for (int col = 0; col < grid.colCount(); ++col) gridCellEdited(name, row, col);
    } else if (isAccentChecked(name)) {
        checkAccent(name);
    } else if (isCustomerField(name)) {
        customerFieldChanged(name);
    } else if (name == "ComboBox14") {
        const bool preset = ComboBox14.itemIndex() == 1;
        Edit10.setText(preset ? std::string(kPresetAccessPoint) : std::string());
        Edit11.setText(preset ? std::string(kPresetServer) : std::string());
    } else {
        inputTypeChanged(name);
    }
}

}  // namespace vardeck::z4config
