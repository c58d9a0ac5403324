#pragma once
#include "controls/ControlRegistry.h"
#include "controls/ModelTimer.h"

namespace vardeck::controls {

// What a screen model holds besides its logic: its controls by name and its timers.
// As a base class it is built before the model's own members, so those can be
// references to controls created in their declarations:
//   Button& BitBtn1 = registry_.add<Button>("BitBtn1", "Kilépés");
class ControlOwner {
public:
    ControlRegistry& controls() { return registry_; }
    const ControlRegistry& controls() const { return registry_; }
    const TimerList& timers() const { return timers_; }

protected:
    ControlOwner() = default;
    ~ControlOwner() = default;
    ControlRegistry registry_;
    TimerList timers_;
};

}  // namespace vardeck::controls
