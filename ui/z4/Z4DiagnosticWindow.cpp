#include "ui/ModelTimerDriver.h"
#include "ui/z4/Z4DiagnosticWindows.h"

namespace vardeck::ui::z4 {

DiagnosticWindow::DiagnosticWindow(const char* name, controls::ControlOwner& view, z4screen::Z4Configurator& model,
                                   z4screen::MenuView which)
    : MenuViewWindow(name, view.controls()), model_(model), which_(which) {
    timers_ = std::make_unique<ModelTimerDriver>(view.timers(), [this] { refresh(); });
    // Every way of closing a dialog ends in done(), which reports it as finished.
    connect(this, &QDialog::finished, this, [this] {
        if (!closingByProgram_) model_.viewClosed(which_);
        closingByProgram_ = false;
        refresh();
    });
}

void DiagnosticWindow::closeByProgram() {
    closingByProgram_ = true;
    close();
    closingByProgram_ = false;  // also when the window was not shown and so did not finish
}

DiagnosticWindow::~DiagnosticWindow() = default;

void DiagnosticWindow::refresh() {
    MenuViewWindow::refresh();
    timers_->sync();
}

bool DiagnosticWindow::timerRunning(const std::string& name) const { return timers_->running(name); }

void DiagnosticWindow::bindButtons(const std::vector<std::string>& modelButtons, const char* closeButton) {
    std::map<std::string, std::function<void()>> actions;
    for (const std::string& name : modelButtons) {
        actions[name] = [this, name] { model_.diagnosticClicked(which_, name); };
    }
    if (closeButton) actions[closeButton] = [this] { close(); };
    bind(std::move(actions));
}

void DiagnosticWindow::place(QWidget* over, const std::optional<z4config::WindowScale>& taken,
                             std::optional<QSize> design) {
    const bool first = taken && taken->numerator > 0 && taken->denominator > 0;
    if (first) scale_ = taken;
    if (design) resize(scaled(*design));
    else if (first) resize(scaled(size()));
    if (first) move(taken->left, taken->top);
    else if (!scale_) MenuViewWindow::placeOver(over);
}

QSize DiagnosticWindow::scaled(QSize design) const {
    if (!scale_) return design;
    return {design.width() * scale_->numerator / scale_->denominator,
            design.height() * scale_->numerator / scale_->denominator};
}

}  // namespace vardeck::ui::z4
