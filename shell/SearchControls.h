#pragma once
// The control kinds of the start-up, search and port screens (the one control library
// every screen uses) and the search view's colours.
#include "controls/ControlOwner.h"
#include "controls/ControlRegistry.h"
#include "controls/Controls.h"
#include "controls/ModelTimer.h"
#include "controls/Rgb.h"
#include "controls/ScreenControls.h"

namespace vardeck {

inline constexpr controls::Rgb kSearchGrey{193, 193, 193};  // search view background and model panels
inline constexpr controls::Rgb kCaptionGrey{50, 50, 50};    // model panel captions

}  // namespace vardeck
