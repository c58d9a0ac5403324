#pragma once
#include <string>

#include "controls/Controls.h"
#include "controls/Json.h"

namespace vardeck::controls {

// The state of one control as a JSON object, with the fields its kind has:
//   check box "checked"; edit "text"; spin edit "value"; list "index" (-1 for none)
//   and "item" (the selected text); check list "items" (one boolean per item);
//   grid "cells" (the data rows below the header, each an array of texts);
//   label, button, page, panel and window "caption"; status bar "panels";
//   picture "picture"; lamp "lit"; gauge "progress"; menu item "caption" and, when
//   it carries a check mark, "checked";
// and for every kind "enabled" and "visible".
JsonValue controlToJson(const Control& control);

struct ControlApply {
    bool ok = true;
    bool changed = false;  // the control's value changed (its screen rule should run)
    std::string error;     // when !ok: names the control and the problem
};

// Sets a control from a JSON object of the shape above, as a user's edit would: values
// must be of the right type and within what the control accepts (edit length and mask,
// spin range, list index, number of check-list items); a text equal to the one the edit
// holds is accepted as it is, as no user edit is needed to keep it. "enabled", "visible", "item",
// "caption", "panels", "picture", "lit", "progress" and a menu item's "checked" are
// accepted and ignored: they are shown, not edited. A field
// the kind does not have is an error. On error the control is left unchanged.
ControlApply applyControlJson(Control& control, const JsonValue& state);

}  // namespace vardeck::controls
