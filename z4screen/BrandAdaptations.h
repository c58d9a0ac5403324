#pragma once
#include <string>

#include "i18n/Language.h"
#include "z4config/Z4Editor.h"
#include "z4screen/ScreenTargets.h"

namespace vardeck::z4screen {

// What a brand changes outside the configurator's own controls.
struct BrandOutcome {
    std::string searchCaption;  // Form1's Label3; empty: unchanged
};

// The brand's adaptations of the configurator, applied at every activation after the
// language: hidden menus, pages and captions, the company label, and for some brands
// preset values. A preset never replaces a value the user owns (typed, chosen, read
// from a module or opened from a file). `company` is the settings value "company".
BrandOutcome applyBrandAdaptations(int brand, i18n::Language language, const std::string& company,
                                   ScreenTargets& targets, z4config::Z4Editor& editor);

}  // namespace vardeck::z4screen
