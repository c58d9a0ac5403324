#pragma once
#include <string>

#include "z4config/SettingsAccess.h"
#include "z4config/Z4Messages.h"
#include "controls/ControlRegistry.h"
#include "controls/Controls.h"
#include "controls/Dialogs.h"

namespace vardeck::z4config {

// The window size view Z4Form7: the size the configurator window takes at the next
// program start, stored as the setting "monitor" ("0" to "4").
class WindowSizeView {
public:
    // Design texts: window title, radio group, button.
    static constexpr const char* kDesignCaption = "Képernyő";
    static constexpr const char* kDesignGroupCaption = "Képernyőfelbontás";
    static constexpr const char* kDesignButtonCaption = "Rendben";

    WindowSizeView(int brandCode, SettingsAccess settings);
    WindowSizeView(const WindowSizeView&) = delete;
    WindowSizeView& operator=(const WindowSizeView&) = delete;

    controls::ControlRegistry& controls() { return registry_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string text) { caption_ = std::move(text); }

    // Reads "monitor" (storing "1" when missing) and selects its item; a value that is
    // no item's index keeps the selection. Brand 50 shows the restart note Label1.
    void activate();
    // Button1 "Rendben": stores the selected item's index and, except under brand 50,
    // tells the user to restart. Returns true: the view closes.
    bool confirm(Dialogs& dialogs, const MessageLookup& messages = {});

private:
    controls::ControlRegistry registry_;
    std::string caption_ = kDesignCaption;
    int brandCode_;
    SettingsAccess settings_;

public:
    controls::ComboBox& RadioGroup1;  // "Képernyőfelbontás"
    controls::Button& Button1;        // "Rendben"
    controls::Label& Label1;          // restart note, brand 50 only
};

}  // namespace vardeck::z4config
