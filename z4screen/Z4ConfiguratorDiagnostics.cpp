// The configurator's diagnostic views: opening them (each starts its operation on the
// transfer engine), their buttons, their closing, and what a status cycle shows on
// the main screen.
#include "settings/Settings.h"
#include "z4screen/Z4Configurator.h"

namespace vardeck::z4screen {

using namespace controls;

std::string Z4Configurator::monitorSetting() const { return ReadSetting(brandKey(), "monitor"); }

void Z4Configurator::openDiagnosticView(MenuView view) {
    DiagnosticViews& d = *diagnostics_;
    const int type = deviceType();
    const int firmware = engine_->vars().firmwareVersion;
    switch (view) {
        case MenuView::Status: {
            // The status and monitor views take the engine over as they open; a read or
            // write still running is given up properly, so its buttons and gauge do not
            // stay as they were mid-transfer.
            engine_->abandonOperation();
            StatusView::Setup setup{type, firmware, statusTemperatureHidden_, brand_,
                                    z4config::windowScaleFor(monitorSetting())};
            d.statusView.open(setup);
            d.statusDesign.apply(d.statusView.controls(), targets_, i18n::Screen::StatusView);
            d.polling.start();
            break;
        }
        case MenuView::Monitor:
            engine_->abandonOperation();
            d.monitorView.open(firmware, z4config::windowScaleFor(monitorSetting()));
            d.monitorDesign.apply(d.monitorView.controls(), targets_, i18n::Screen::MonitorView);
            d.monitor.start();
            break;
        case MenuView::EventLog: d.logView.open(); break;
        case MenuView::SignalChart: d.chartView.open(); break;
        default: break;
    }
}

void Z4Configurator::statusCycle(const StatusBlock& block, int length) {
    DiagnosticViews& d = *diagnostics_;
    d.statusView.showCycle(block, length, messageLookup());
    // The main screen's test panel follows output 1.
    if (d.statusView.lastStatus() && d.statusView.lastStatus()->output1)
        targets_.get<Panel>("Panel32").setColor(kGreen);
    changed();
}

void Z4Configurator::diagnosticClicked(MenuView view, const std::string& control) {
    DiagnosticViews& d = *diagnostics_;
    switch (view) {
        case MenuView::Monitor:
            if (control == "Button1") d.monitorView.clearText();
            if (control == "BitBtn2") d.monitorView.saveToFile();
            if (control == "Button2") d.monitorView.sendReport();
            break;
        case MenuView::EventLog:
            if (control == "BitBtn1" && !d.logView.reading()) {
                engine_->abandonOperation();
                d.logView.readClicked();
            }
            break;
        case MenuView::SignalChart:
            if (control == "Button1" && !d.chartView.reading()) {
                engine_->abandonOperation();
                d.chartView.readClicked();
            }
            if (control == "Button2") d.chartView.zoomClicked();
            if (control == "Button3") d.chartView.clearClicked();
            break;
        case MenuView::SmsCentre:
        case MenuView::Balance: gsmViewClicked(view, control); break;
        case MenuView::Firmware:
            if (control == "Button1") uploads_->firmwareView.downloadClicked();
            break;
        default: break;
    }
    changed();
}

void Z4Configurator::viewClosed(MenuView view) {
    DiagnosticViews& d = *diagnostics_;
    switch (view) {
        case MenuView::Status:
            d.statusView.close();
            d.polling.stop();
            break;
        case MenuView::Monitor:
            d.monitorView.close();
            d.leaveMode.start();
            break;
        case MenuView::EventLog: d.logView.close(); break;
        case MenuView::SignalChart: d.chartView.close(); break;
        // Leaving either view takes the module out of GSM modem mode.
        case MenuView::SmsCentre:
        case MenuView::Balance: d.leaveMode.start(); break;
        case MenuView::Firmware: uploads_->firmwareView.close(); break;
        default: break;
    }
    changed();
}

}  // namespace vardeck::z4screen
