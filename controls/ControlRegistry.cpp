#include "controls/ControlRegistry.h"

namespace vardeck::controls {

Control* ControlRegistry::find(std::string_view name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void ControlRegistry::insert(std::unique_ptr<Control> control) {
    if (byName_.count(control->name())) throw std::logic_error("two controls named " + control->name());
    byName_.emplace(control->name(), control.get());
    order_.push_back(control.get());
    owned_.push_back(std::move(control));
}

}  // namespace vardeck::controls
