// Applying the text table of one language to the screens.
#pragma once

#include "i18n/Language.h"
#include "i18n/TextTargets.h"

namespace vardeck::i18n {

// Applies every row in table order: a row with text in `language` sets its target, a
// row without leaves the target as it is (Hungarian: see TextTargets::showDesignText),
// and a copy row sets its target to what its source shows at that moment. Default
// contents of the SMS text fields are set only where targets.keepsUserValue() is false,
// so a text read from a module, opened from a profile or typed by the user survives a
// re-activation and a language change.
void applyTextTable(Language language, TextTargets& targets);

// Selects the design default of each list of selectionDefaults() whose selection the
// user or a loaded configuration does not own (targets.keepsUserValue()).
void applySelectionDefaults(TextTargets& targets);

}  // namespace vardeck::i18n
