#pragma once
#include <functional>
#include <string>

#include "controls/ControlOwner.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"

namespace vardeck::devices {

// The converter's help view `leiras`: a read-only text that explains the options,
// and a button that shows how to use the converter's TELNET mode instead. Closing the
// view always brings the first text back for the next opening.
class ConverterHelp : public controls::ControlOwner {
public:
    ConverterHelp();

    static const std::string& optionsText();
    static const std::string& telnetText();

    controls::Form& leiras = registry_.add<controls::Form>("leiras", "Leirás");
    controls::Edit& Memo1 = registry_.add<controls::Edit>("Memo1", optionsText());
    controls::Button& BitBtn2 = registry_.add<controls::Button>("BitBtn2", "TELNET mode");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Rendben");

    void BitBtn2Click();
    // "Rendben": asks the window to close (closeView), which runs FormClose().
    void BitBtn1Click();
    void FormClose();

    // Set by the window that shows the view.
    std::function<void()> closeView;
};

}  // namespace vardeck::devices
