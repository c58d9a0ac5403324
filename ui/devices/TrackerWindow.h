#pragma once
#include "ui/views/ViewWindow.h"

class QMenuBar;

namespace vardeck::devices {
class TrackerScreen;
}

namespace vardeck::ui {

// The tracker's window, traxomain: the menus "Parancsok", "Egyéb" and "IP cimek",
// the server address, port and access point fields, the motion-sensor box, the
// three buttons, the progress bar and the five-panel status bar, all bound to the
// screen model by name.
class TrackerWindow : public ViewWindow {
    Q_OBJECT
public:
    TrackerWindow(devices::TrackerScreen& model, ScreenSync& sync);
    ~TrackerWindow() override;

private:
    void buildMenus(QMenuBar* bar);

    devices::TrackerScreen& model_;
};

}  // namespace vardeck::ui
