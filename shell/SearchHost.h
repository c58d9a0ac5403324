#pragma once
#include <string>

#include "brand/ModelTexts.h"

namespace vardeck {

// What the start-up, search and port screens ask of the windows around them. The
// program implements these with its views; tests record the calls.

// Window moves of the start-up and search screens.
class ShellNavigator {
public:
    virtual ~ShellNavigator() = default;
    virtual void hideForm1() = 0;
    // Shows the search view modally. May return only when it has been closed, so
    // the model calls it last.
    virtual void showSearchView() = 0;
    virtual void showLanguageView() = 0;   // Form10, not modal
    virtual void closeLanguageView() = 0;
    // Shows the port selection view modally; it calls ComprtModel::FormActivate.
    virtual void showPortView() = 0;
    // Closes the main view, which ends the program.
    virtual void endProgram() = 0;
};

// The hand-over of an identified device to the screen that configures it.
class DispatchTarget {
public:
    virtual ~DispatchTarget() = default;
    // Done first on every hand-over: the Z-4 configurator hides its pages "GPRS",
    // "CID/SMS" and "Hangok" and the PSTN gain controls.
    virtual void hideZ4OptionalPages() = 0;
    // Sets the device type code (and demo firmware), applies its page set, shows it.
    virtual void openZ4Configurator(const Z4Handover& handover) = 0;
    // The converter screen: its Label3, its protocol state (1), shown.
    virtual void openForm5(int protocolState, const std::string& label3) = 0;
    virtual void openForm7(int protocolState) = 0;      // geofence unit
    virtual void openTraxomain(int protocolState) = 0;  // tracker
    // Code 30: Form1 itself configures the GPRS module (its send and read buttons are
    // enabled by now); make it visible (its activation restarts the search).
    virtual void showForm1AsGprs() = 0;
    // Ends the modal showing of the search view (nothing when it is not shown).
    virtual void closeSearchView() = 0;
};

// Form1's side of the search as the search view sees it.
class SearchSide {
public:
    virtual ~SearchSide() = default;
    // The port buttons: free the device for the port scan.
    virtual void closeSearchChannel() = 0;
    // The demo item of a model panel (1..8): a hand-over without a device.
    virtual void startDemo(int panelNumber) = 0;
    virtual void searchViewActivated() = 0;
    virtual void searchViewClosed() = 0;
};

}  // namespace vardeck
