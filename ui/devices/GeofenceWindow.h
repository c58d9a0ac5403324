#pragma once
#include "ui/views/ViewWindow.h"

class QDialog;
class QTableWidget;

namespace vardeck::devices {
class GeofenceScreen;
}

namespace vardeck::ui {

// The geofence unit's window Form7: the phone number to notify, the table of position
// windows (row numbers in a read-only first column), the buttons, the unit's version
// and the progress bar. "Bekötési rajz" opens the wiring diagram modally.
//
// The table's current cell and the grid's selected cell are kept the same both ways,
// so that the write check can point at the cell it refused.
class GeofenceWindow : public ViewWindow {
    Q_OBJECT
public:
    GeofenceWindow(devices::GeofenceScreen& model, ScreenSync& sync);
    ~GeofenceWindow() override;

    QDialog& wiringView() { return *wiring_; }

protected:
    bool event(QEvent* event) override;

private:
    void showTable();

    devices::GeofenceScreen& model_;
    QTableWidget* table_ = nullptr;
    QDialog* wiring_ = nullptr;
};

}  // namespace vardeck::ui
