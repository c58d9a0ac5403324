#pragma once

class QObject;

namespace vardeck::controls {
class Control;
}

namespace vardeck::ui {

// Shows the state of a control on the widget or action bound to it (the kinds and
// widgets are listed in ControlBinder.h). Enabled state, visibility and placement
// are the binder's; this sets what the kind itself shows. Signals of the widget are
// blocked by the caller, so nothing is echoed back as a user edit.
void showControlState(controls::Control& control, QObject* object);

}  // namespace vardeck::ui
