#pragma once
#include <string>

#include "controls/ControlOwner.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "z4link/GsmCommandStates.h"
#include "z4link/GsmModeStates.h"
#include "z4link/PhonebookStates.h"

namespace vardeck::z4screen {

// The phonebook grid StringGrid1 as the phonebook operations see it: the grid shows
// UTF-8, the modem takes code page 1250.
class GridPhonebook : public PhonebookTable {
public:
    explicit GridPhonebook(controls::Grid& grid) : grid_(grid) {}
    int rowCount() const override { return grid_.rowCount(); }
    void setRowCount(int rows) override;
    std::string cell(int row, int column) const override;
    void setCell(int row, int column, const std::string& text) override;

private:
    controls::Grid& grid_;
};

// The SMS centre view SMSk: the number, three carriers' presets, "Beállítás /
// Újrainditás" and "Kilépés".
class SmsCentreView : public controls::ControlOwner {
public:
    struct Preset {
        const char* button;
        const char* caption;
        const char* number;
    };
    static const std::vector<Preset>& presets();

    controls::Form& SMSk = registry_.add<controls::Form>("SMSk", "SMSk");
    controls::Label& Label1 = registry_.add<controls::Label>("Label1", "SMS központ telefonszáma:");
    controls::Edit& Edit1 = registry_.add<controls::Edit>("Edit1", "", 40);
    controls::Label& Label2 = registry_.add<controls::Label>("Label2", "");
    controls::Button& Button1 = registry_.add<controls::Button>("Button1", "T-Mobile");
    controls::Button& Button2 = registry_.add<controls::Button>("Button2", "Telenor");
    controls::Button& Button3 = registry_.add<controls::Button>("Button3", "Vodafone");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Beállítás / Újrainditás");
    controls::Button& BitBtn2 = registry_.add<controls::Button>("BitBtn2", "Kilépés");
};

// The balance view MESS1: a panel that tells where the query stands and the answer.
class BalanceView : public controls::ControlOwner {
public:
    void start();
    void show(const std::string& utf8Answer);

    controls::Form& MESS1 = registry_.add<controls::Form>("MESS1", "Ingyenes Egyenleg lekérdezés (csak T-mobile!)");
    controls::Panel& Panel1 = registry_.add<controls::Panel>("Panel1", "Lekérés folyamatban, kérem várjon");
    controls::Edit& Memo1 = registry_.add<controls::Edit>("Memo1");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Kilépés");
};

// The GSM modem operations of the configurator and their two views.
struct GsmViews {
    GsmViews(TransferEngine& engine, controls::Grid& grid)
        : mode(engine), table(grid), phonebook(engine, mode, table), commands(engine, mode) {}

    GsmModeStates mode;
    GridPhonebook table;
    PhonebookStates phonebook;
    GsmCommandStates commands;
    SmsCentreView smsCentre;
    BalanceView balance;
};

// What the status bar adds when an operation leaves the module in GSM modem mode.
inline constexpr const char* kModemModeKept = "A modul GSM modem módban maradt, indítsa újra!";

}  // namespace vardeck::z4screen
