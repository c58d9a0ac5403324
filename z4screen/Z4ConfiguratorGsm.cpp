// The configurator's GSM modem operations: the phonebook page, the maintenance menu
// with its prompts, the SMS centre and balance views, and the SIM name files.
#include "z4config/Cp1250.h"
#include "z4config/ProfileFiles.h"
#include "z4config/SimNameFile.h"
#include "controls/Utf8.h"
#include "z4screen/ConfiguratorControls.h"
#include "z4screen/Z4Configurator.h"

namespace vardeck::z4screen {

using namespace controls;

namespace {

constexpr std::size_t kSimFileLimit = 64 * 1024;
constexpr std::size_t kPinLength = 4;

}  // namespace

std::string Z4Configurator::toModem(const std::string& utf8) const {
    return z4config::utf8ToCp1250Bytes(utf8);
}

void Z4Configurator::noteModemModeKept() {
    const std::string shown = editor_.StatusBar1.panel(3);
    setStatusPanel(3, shown + (shown.empty() ? "" : " — ") + catalogue_.text(kModemModeKept));
}

void Z4Configurator::connectGsm() {
    GsmViews& g = *gsm_;
    g.phonebook.onButtons = [this](bool read, bool write) {
        targets_.get<Button>("BitBtn5").setEnabled(read);
        targets_.get<Button>("BitBtn6").setEnabled(write);
        changed();
    };
    g.phonebook.onGauge = [this](int progress, int max, bool visible) {
        auto& gauge = targets_.get<ProgressGauge>("Gauge2");
        gauge.setMax(max);
        gauge.setProgress(progress);
        gauge.setVisible(visible);
        changed();
    };
    g.phonebook.onDone = [this](bool leftModemMode) {
        if (!leftModemMode) noteModemModeKept();
    };
    // These end with the module still in GSM modem mode.
    g.commands.onPinDone = [this](bool) { noteModemModeKept(); };
    g.commands.onSent = [this] { noteModemModeKept(); };
    g.commands.onImei = [this](const std::string&) { noteModemModeKept(); };
    g.commands.onSmsCentreSet = [this] {
        gsm_->smsCentre.Label2.setCaption("Sikeres bejegyzés");
        changed();
    };
    g.commands.onBalance = [this](const std::string& answer) {
        gsm_->balance.show(z4config::cp1250BytesToUtf8(answer));
        changed();
    };
}

bool Z4Configurator::gsmButtonClicked(const std::string& button) {
    GsmViews& g = *gsm_;
    if (button == "BitBtn5") {
        engine_->abandonOperation();
        g.phonebook.startRead();
    } else if (button == "BitBtn6") {
        engine_->abandonOperation();
        g.phonebook.startWrite();
    } else if (button == "Button2") {
        auto& grid = targets_.get<Grid>("StringGrid1");
        if (grid.rowCount() <= z4config::SimNames::kRows) grid.setRowCount(grid.rowCount() + 1);
    } else if (button == "Button3") {
        saveSimNames();
    } else if (button == "Button4") {
        openSimNames();
    } else {
        return false;
    }
    changed();
    return true;
}

bool Z4Configurator::gsmMenuClicked(const std::string& item) {
    GsmCommandStates& c = gsm_->commands;
    auto ask = [this](const std::string& caption, const std::string& prompt) {
        return dialogs_.promptText(catalogue_.text(caption), catalogue_.text(prompt), "");
    };
    if (item == "SIMPINkdkikapcsolsa1") {
        auto pin = ask("PIN kód kikapcsolás", "Kérjük adja meg a SIM kártya PIN kódját");
        if (!pin) return true;
        if (controls::utf8Length(*pin) != kPinLength) {
            dialogs_.showMessage(catalogue_.text("Bad PIN"));
            return true;
        }
        engine_->abandonOperation();
        c.startPinOff(toModem(*pin));
    } else if (item == "SMSkzponttelefonszm1") {
        gsm_->smsCentre.Label2.setCaption("");
        showMenuView(MenuView::SmsCentre);
    } else if (item == "EgyenleglekrdezsTMobile1") {
        engine_->abandonOperation();
        gsm_->balance.start();
        c.startBalance();
        showMenuView(MenuView::Balance);
    } else if (item == "Adathvsellenrzs1" || item == "Voicehvstest1") {
        const bool data = item == "Adathvsellenrzs1";
        // A cancelled prompt still dials: an empty number, as the test always did.
        auto number = ask(data ? "adathívás" : "VOICE hívás", "Kérjük adja meg a telefonszámot, amit felhívjunk");
        engine_->abandonOperation();
        if (data) {
            c.startDataCall(toModem(number.value_or("")));
        } else {
            c.startVoiceCall(toModem(number.value_or("")));
        }
    } else if (item == "SMStest1") {
        auto number = ask("SMS test", "Kérjük adja meg a telefonszámot, amire SMS-t küldjünk");
        engine_->abandonOperation();
        c.startSmsTest(toModem(number.value_or("")), toModem(catalogue_.text("Teszt SMS")));
    } else if (item == "IMEInumber1") {
        engine_->abandonOperation();
        c.startImei();
    } else {
        return false;
    }
    return true;
}

void Z4Configurator::gsmViewClicked(MenuView view, const std::string& control) {
    if (view != MenuView::SmsCentre) return;
    SmsCentreView& v = gsm_->smsCentre;
    for (const auto& preset : SmsCentreView::presets()) {
        if (control == preset.button) v.Edit1.setText(preset.number);
    }
    if (control == "BitBtn1") {
        if (v.Edit1.text().empty()) {
            dialogs_.showMessage(catalogue_.text("Hiba, nincs megadva a telefonszám"));
            return;
        }
        v.Label2.setCaption("Beállítás folyamatban!");
        engine_->abandonOperation();
        gsm_->commands.startSmsCentre(toModem(v.Edit1.text()));
    }
}

void Z4Configurator::saveSimNames() {
    auto path = dialogs_.chooseSaveFile("sim");
    if (!path) return;
    const auto& grid = targets_.get<Grid>("StringGrid1");
    z4config::SimNames names;
    names.rowCount = grid.rowCount();
    for (int row = 1; row < grid.rowCount() && row <= z4config::SimNames::kRows; ++row) {
        names.numbers[static_cast<std::size_t>(row - 1)] = grid.cell(row, 1);
        names.names[static_cast<std::size_t>(row - 1)] = grid.cell(row, 2);
    }
    const std::string text = z4config::writeSimNames(names);
    const std::string error =
        z4config::writeFileAtomically(*path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    if (!error.empty()) dialogs_.showMessage(catalogue_.text("A fájl nem menthető:") + "\n" + *path + ": " + error);
}

// The file is checked whole before the grid changes: a half-loaded grid could be
// written to the SIM.
void Z4Configurator::openSimNames() {
    auto path = dialogs_.chooseOpenFile("sim");
    if (!path) return;
    const z4config::FileBytes file = z4config::readFileBounded(*path, kSimFileLimit);
    std::string reason = file.error;
    std::optional<z4config::SimNames> names;
    if (reason.empty() && file.truncated) reason = "larger than " + std::to_string(kSimFileLimit) + " bytes";
    if (reason.empty()) {
        names = z4config::readSimNames(std::string_view(reinterpret_cast<const char*>(file.bytes.data()),
                                                        file.bytes.size()),
                                       reason);
    }
    if (!names) {
        dialogs_.showMessage(catalogue_.text("A fájl nem használható:") + "\n" + *path + ": " + reason);
        return;
    }
    auto& grid = targets_.get<Grid>("StringGrid1");
    grid.setRowCount(std::max(names->rowCount, 2));
    for (int row = 1; row < grid.rowCount(); ++row) {
        grid.setCell(row, 0, "");
        grid.setCell(row, 1, names->numbers[static_cast<std::size_t>(row - 1)]);
        grid.setCell(row, 2, names->names[static_cast<std::size_t>(row - 1)]);
    }
}

}  // namespace vardeck::z4screen
