#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/z4/Z4MenuViewWindows.h"

namespace vardeck::ui {
class ModelTimerDriver;
}

namespace vardeck::ui::z4 {

// A diagnostic view of the configurator (status, monitor, event log, chart), one of
// its GSM modem views (SMS centre, balance) or its firmware view as a modal window.
// Its buttons are the configurator's to handle (diagnosticClicked), its model timers
// run while it is open, and however it closes — its own button, the close box,
// Escape — the configurator hears of it once (viewClosed); a view the configurator
// closes itself it does not hear of again.
class DiagnosticWindow : public MenuViewWindow {
    Q_OBJECT
public:
    DiagnosticWindow(const char* name, controls::ControlOwner& view, z4screen::Z4Configurator& model,
                     z4screen::MenuView which);
    ~DiagnosticWindow() override;

    void refresh() override;
    // The model closed its view itself; the configurator is not told once more.
    void closeByProgram() override;
    // True while the Qt timer of the view's named model timer runs.
    bool timerRunning(const std::string& name) const;

protected:
    // Binds the widgets: a click on one of `modelButtons` goes to the configurator,
    // one on `closeButton` (when given) closes the window.
    void bindButtons(const std::vector<std::string>& modelButtons, const char* closeButton);
    // Sizes and places the window as it opens. `taken` is the view's window scale,
    // which the first opening of the run has (if the settings ask for one): the window
    // grows or shrinks by it and goes to the scale's corner, and keeps that ratio and
    // place for the run. A window without one is centred over `over`. `design` is
    // the size the view asks for this time, before scaling; none: the size it has.
    void place(QWidget* over, const std::optional<z4config::WindowScale>& taken, std::optional<QSize> design = {});

    z4screen::Z4Configurator& model_;

private:
    QSize scaled(QSize design) const;

    z4screen::MenuView which_;
    std::unique_ptr<ModelTimerDriver> timers_;
    std::optional<z4config::WindowScale> scale_;
    bool closingByProgram_ = false;
};

// The windows of the views, each over its view model in model.diagnostics().
std::unique_ptr<MenuViewWindow> statusWindow(z4screen::Z4Configurator& model);
std::unique_ptr<MenuViewWindow> monitorWindow(z4screen::Z4Configurator& model);
std::unique_ptr<MenuViewWindow> eventLogWindow(z4screen::Z4Configurator& model);
std::unique_ptr<MenuViewWindow> signalChartWindow(z4screen::Z4Configurator& model);
// The GSM modem views, each over its view model in model.gsm().
std::unique_ptr<MenuViewWindow> smsCentreWindow(z4screen::Z4Configurator& model);
std::unique_ptr<MenuViewWindow> balanceWindow(z4screen::Z4Configurator& model);
// The firmware download view, over its view model in model.uploads().
std::unique_ptr<MenuViewWindow> firmwareWindow(z4screen::Z4Configurator& model);

}  // namespace vardeck::ui::z4
