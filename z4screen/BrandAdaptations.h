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

// Done once, when the configurator is created: brand 20 moves the transfer buttons up
// into the room of its hidden customer panel, shows the help box RichEdit1 below them
// and the page memos Memo1 to Memo6 in the window's colour, and makes the window 110
// pixels less tall.
void applyBrandRearrangement(int brand, const ScreenTargets& targets);

}  // namespace vardeck::z4screen
