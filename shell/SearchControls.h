#pragma once
// The control kinds of the start-up, search and port screens (the one control library
// every screen uses) and the search view's colours.
#include "z4config/controls/ControlOwner.h"
#include "z4config/controls/ControlRegistry.h"
#include "z4config/controls/Controls.h"
#include "z4config/controls/ModelTimer.h"
#include "z4config/controls/Rgb.h"
#include "z4config/controls/ScreenControls.h"

namespace vardeck {

inline constexpr controls::Rgb kSearchGrey{193, 193, 193};  // search view background and model panels
inline constexpr controls::Rgb kCaptionGrey{50, 50, 50};    // model panel captions

}  // namespace vardeck
