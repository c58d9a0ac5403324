#pragma once
#include <array>
#include <string>

#include "controls/ControlRegistry.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"

namespace vardeck::devices {

// The hint of the client-code choice, shown when the pointer rests on it.
inline constexpr const char* kClientCodeHint = "Ha automatikus, akkor az atvitt kód lesz";

// The controls of the 8-input GPRS module's screen, created in the registry of the
// screen that shows them: the main view's in the program (the module is configured
// there), a registry of their own on the command line.
struct GprsModuleControls {
    static constexpr int kCodeCount = 20;

    explicit GprsModuleControls(controls::ControlRegistry& registry);

    controls::Label& Label1;        // "Életjel:"
    controls::ComboBox& ComboBox1;  // life-signal period, shown only
    controls::Label& Label2;        // "Vonalszimulátor:"
    controls::ComboBox& ComboBox2;  // line-simulator mode
    controls::ComboBox& ugyfel;     // client code automatic or typed
    controls::Edit& Edit1;          // client code
    // CheckBox1..CheckBox20, each with its code field Edit2..Edit21 (index 0 is
    // CheckBox1 with Edit2).
    struct CodeControls {
        controls::CheckBox* checkBox;
        controls::Edit* field;
    };
    std::array<CodeControls, kCodeCount> codes;
    controls::Button& BitBtn1;  // write
    controls::Button& BitBtn2;  // read
    controls::Gauge& kijelzo;   // transfer progress

    // The code controls of a check box's or code field's name, nullptr for any other.
    const CodeControls* codeOf(const std::string& name) const;
};

}  // namespace vardeck::devices
