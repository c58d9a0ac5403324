#pragma once
#include <QPointer>
#include <QString>

#include <memory>
#include <string>

class QLabel;
class QWidget;

namespace vardeck::ui {

// The entry point through which the device search hands a device to one of the other
// device screens (the converter Form5, the geofence unit Form7, the tracker
// traxomain): its protocol state number and its Label3, then show(). The window is
// created at program start and shows the model text of the device it was given.
class DeviceScreenEntry {
public:
    DeviceScreenEntry(const QString& objectName, const QString& caption);
    ~DeviceScreenEntry();
    DeviceScreenEntry(const DeviceScreenEntry&) = delete;
    DeviceScreenEntry& operator=(const DeviceScreenEntry&) = delete;

    void setProtocolState(int state) { protocolState_ = state; }
    int protocolState() const { return protocolState_; }
    void setLabel3(const std::string& text);
    void show();
    QWidget* window() const { return window_.get(); }

private:
    std::unique_ptr<QWidget> window_;
    QLabel* label3_;
    int protocolState_ = 0;
};

}  // namespace vardeck::ui
