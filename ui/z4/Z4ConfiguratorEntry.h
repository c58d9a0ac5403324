#pragma once
#include "brand/ModelTexts.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace vardeck {
class Dialogs;
}

namespace vardeck::ui {

// The Z-4 configurator as the rest of the program sees it: the search hands a
// device over to it, and the program shows its window.
class Z4ConfiguratorEntry {
public:
    virtual ~Z4ConfiguratorEntry() = default;
    // Hides the pages "GPRS", "CID/SMS" and "Hangok" and the PSTN gain controls
    // (done first on every hand-over).
    virtual void hideOptionalPages() = 0;
    // Takes the device type code (and the demo firmware), applies its page set and
    // shows the window.
    virtual void handOver(const Z4Handover& handover) = 0;
    // The configurator's window (created hidden at program start).
    virtual QWidget* window() = 0;
};

// What the program may give the configurator; every member has a working default.
struct Z4ConfiguratorOptions {
    // The dialogs the screen opens; nullptr: Qt's message boxes and file dialogs.
    Dialogs* dialogs = nullptr;
    // Form1's Label3, which some brands rename when the configurator is activated.
    std::function<void(const std::string&)> setSearchCaption;
    // 0: the brand of this build (another one for tests of a brand's screen).
    int brandCode = 0;
    // Where "\custom.dat" and "\contact.txt" are looked for; empty: the start directory.
    std::string startDir;
};

// Creates the configurator (all views are created at start, before any is shown).
std::unique_ptr<Z4ConfiguratorEntry> createZ4Configurator(Z4ConfiguratorOptions options = {});

}  // namespace vardeck::ui
