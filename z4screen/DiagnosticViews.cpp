#include "z4screen/DiagnosticViews.h"

#include "z4screen/ScreenTargets.h"

namespace vardeck::z4screen {

DesignCaptions::DesignCaptions(const controls::ControlRegistry& registry) {
    for (const controls::Control* c : registry.all()) captions_[c->name()] = c->caption();
}

void DesignCaptions::apply(controls::ControlRegistry& registry, const ScreenTargets& targets,
                           i18n::Screen screen) const {
    for (controls::Control* c : registry.all()) {
        const std::string given = targets.viewText(screen, c->name());
        if (!given.empty()) {
            c->setCaption(given);
        } else if (auto design = captions_.find(c->name()); design != captions_.end()) {
            c->setCaption(design->second);
        }
    }
}

}  // namespace vardeck::z4screen
