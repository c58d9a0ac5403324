#pragma once
#include <array>
#include <initializer_list>
#include <string_view>

#include "z4config/ContactIdTables.h"
#include "z4config/Z4Messages.h"
#include "controls/ControlRegistry.h"
#include "controls/Controls.h"
#include "controls/Dialogs.h"

namespace vardeck::z4config {

// Pages with a refresh routine (run when the page is shown) or a rule on leaving.
enum class Z4Page {
    Be1, Be2, Be3, Be4, Tamper, PowerMonitor, LifeSignal, Other, Temperature, Speed, Lift,
    OpenClose,         // "Nyitás/Zárás"
    CidSms,            // "CID/SMS"
    RemoteMonitoring,  // "Távfelügyelet"
};

// Device type codes of the Z-4 family.
inline constexpr int kTypeZ4 = 70;
inline constexpr int kTypeTrix = 71;
inline constexpr int kTypeZ1 = 80;
inline constexpr int kTypeGps = 90;
inline constexpr int kTypeCid = 100;

inline constexpr int kSecondsItem = 0;  // items of the time-unit lists KI1SECMIN, KI2SECMIN
inline constexpr int kMinutesItem = 1;
inline constexpr int kMaxMinutes = 1092;

// The headless editor of the Z-4 configurator: its controls (by the names of the
// screen), the values the image binding keeps beside them, the page refresh routines
// and the rules that keep dependent controls consistent.
class Z4Editor {
public:
    explicit Z4Editor(int deviceType = kTypeTrix);
    Z4Editor(const Z4Editor&) = delete;
    Z4Editor& operator=(const Z4Editor&) = delete;

    controls::ControlRegistry& controls() { return registry_; }
    const controls::ControlRegistry& controls() const { return registry_; }
    template <class T>
    T& get(std::string_view name) const { return registry_.get<T>(name); }

    int deviceType() const { return deviceType_; }
    void setDeviceType(int code) { deviceType_ = code; }
    int firmwareVersion() const { return firmwareVersion_; }
    void setFirmwareVersion(int version) { firmwareVersion_ = version; }

    // Switch-on time of output 1 or 2 in seconds, whatever unit its spin edit shows.
    int outputTime(int output) const { return outputTime_.at(output - 1); }
    void setOutputTime(int output, int seconds) { outputTime_.at(output - 1) = seconds; }
    int rememberedRedirection() const { return rememberedRedirection_; }
    void setRememberedRedirection(int index) { rememberedRedirection_ = index; }
    // The event code table (grid StringGrid3 and the two rows beyond it) and the SMS
    // recipient mask of each row (row r at index r - 1).
    EventTable& eventTable() { return eventTable_; }
    const EventTable& eventTable() const { return eventTable_; }
    EventMasks& eventMasks() { return eventTable_.masks(); }
    const EventMasks& eventMasks() const { return eventTable_.masks(); }
    // Set once the accent warning has been shown; every page refresh clears it.
    bool warningFlag() const { return warningFlag_; }
    void setWarningFlag(bool on) { warningFlag_ = on; }

    // Page set-up when the device search hands over a module of this type: which of the
    // editor's pages and controls the model has (sets the device type too).
    void setUpForDeviceType(int code);
    // Shows and hides the controls that depend on the firmware version, as the transfer
    // engine does when the version arrives; brand 20 hides the optional "Egyéb" boxes.
    void adaptToFirmware(int version, int brandCode);

    // The dialogs through which the editor's rules speak (the accent warning, the
    // security-code message) and the lookup of their texts. Without dialogs the rules
    // show nothing.
    void attachDialogs(Dialogs* dialogs, MessageLookup messages = {});

    // Page refresh routines (run when a page is shown, by the decode, before a write).
    void refreshPage(Z4Page page);
    // The user has left a page: leaving "Egyéb" with a security code that is not four
    // characters long shows the security-code message (the encode keeps the old code).
    void pageLeft(Z4Page page);
    // The refreshes a module write runs before the encode, so that every recipient
    // item's enabled state matches the phone list.
    void refreshPagesBeforeWrite();

    // The rule that follows a user's change of the named control; nothing for a control
    // without one. The view binder calls it after writing the widget's value to the model.
    void userChanged(std::string_view controlName);
    // Sets a check box from the program; its click rule runs when its state changes.
    void setChecked(controls::CheckBox& box, bool on);
    // The unit list's click rule: range and shown value follow the unit.
    void setTimeUnit(int output, int item);
    // The spin edit's change rule: the output time follows the shown value.
    void timeSpinChanged(int output);
    // The mode list's change rule: only the timed mode uses the time and unit.
    void outputModeChanged(int output);
    // The phone field's context menu: "Delete" empties the field, "+3630" and "+3620"
    // put that prefix in it; other items do nothing.
    void phoneMenuClicked(int phone, std::string_view item);
    // True when the phone field counts as empty (its first position is blank).
    bool phoneEmpty(int phone) const;

    // "CID/SMS" page. The popup commands "Alap ContactID kódok betöltése" (rows 1 to 100
    // of the event table) and "Sablon Betöltése" (the 16 zone rows); neither changes a
    // recipient mask.
    void loadDefaultEventCodes();
    void loadZoneTemplate();
    // The cell rule after the user typed or pasted into a cell of StringGrid2 or
    // StringGrid3 (data rows only). userChanged() of a grid applies it to every cell, for
    // a binder that cannot say which cell changed; the rule leaves a kept cell as it is.
    void gridCellEdited(std::string_view gridName, int row, int col);
    // A click on a row of the event grid (rows 1 to 159): SMSst7 shows the row's mask and
    // Label87 its name. A click in SMSst7 (userChanged) rebuilds the mask of this row.
    void selectEventRow(int row);
    int selectedEventRow() const { return selectedEventRow_; }

private:
    controls::ControlRegistry registry_;
    bool populated_;  // the controls exist before the references below bind to them

public:
    // Controls that rules and the binding use directly, named as on the screen.
    std::array<controls::Edit*, 8> MaskEdit;  // MaskEdit1 to MaskEdit8
    controls::CheckBox& CheckBox11;
    controls::SpinEdit& SpinEdit1;
    controls::SpinEdit& SpinEdit2;
    controls::SpinEdit& SpinEdit3;
    controls::ComboBox& ComboBox13;
    controls::CheckBox& hkompmax;
    controls::CheckBox& hkompmin;
    controls::SpinEdit& SpinEdit6;
    controls::SpinEdit& SpinEdit7;
    controls::CheckBox& CheckEgyeb2;
    controls::ComboBox& ComboBox11;
    controls::ComboBox& ComboKi1;
    controls::ComboBox& ComboKi2;
    controls::ComboBox& KI1SECMIN;
    controls::ComboBox& KI2SECMIN;
    controls::SpinEdit& SpinKI1;
    controls::SpinEdit& SpinKI2;
    controls::Edit& Edit12;
    controls::Label& Label181;
    controls::ComboBox& ComboBox14;
    controls::Edit& Edit10;
    controls::Edit& Edit11;
    controls::Grid& StringGrid2;
    controls::Grid& StringGrid3;  // header and rows 1 to 159 of the event table
    controls::CheckList& SMSst7;
    controls::Label& Label87;
    controls::Edit& Edit1;
    controls::StatusBar& StatusBar1;

private:
    struct Output {
        controls::ComboBox& mode;
        controls::ComboBox& unit;
        controls::SpinEdit& time;
    };
    Output output(int number);
    void refreshRecipientLists(std::initializer_list<const char*> lists, bool blankFromPhone5);
    void refreshOtherPage();
    void inputTypeChanged(std::string_view combo);
    void checkAccent(std::string_view field);
    void customerFieldChanged(std::string_view field);
    void showMessage(const char* hungarianKey);

    int deviceType_;
    int firmwareVersion_ = 0;
    std::array<int, 2> outputTime_ = {3, 3};
    int rememberedRedirection_ = -1;
    EventTable eventTable_;
    int selectedEventRow_ = 1;  // the grid's current row
    bool warningFlag_ = false;
    Dialogs* dialogs_ = nullptr;
    MessageLookup messages_;
};

// Creates the controls of the Z-4 editor with their design defaults.
void addZ4EditorControls(controls::ControlRegistry& registry);

}  // namespace vardeck::z4config
