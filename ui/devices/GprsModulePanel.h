#pragma once

class QWidget;

namespace vardeck::ui {

// The widgets of the 8-input GPRS module's settings, named after the module's
// controls (life signal, line simulator, client code, the twenty Contact ID codes
// with their switches, progress gauge), in a panel for the main view to place.
QWidget* createGprsModulePanel(QWidget* parent);

}  // namespace vardeck::ui
