#pragma once
#include "shell/SearchHost.h"

#include <memory>

class QWidget;

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

// Creates the configurator (all views are created at start, before any is shown).
std::unique_ptr<Z4ConfiguratorEntry> createZ4Configurator();

}  // namespace vardeck::ui
