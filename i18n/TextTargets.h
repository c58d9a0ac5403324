// What a screen offers the text table: its targets reached by key. The application's
// adapter maps a key to the control of that name on that screen.
#pragma once

#include <string>
#include <string_view>

#include "i18n/TextTable.h"

namespace vardeck::i18n {

class TextTargets {
public:
    virtual ~TextTargets() = default;

    // Sets a caption, list item or field content (by key.kind).
    virtual void setText(const TargetKey& key, std::string_view text) = 0;
    // The text a target shows now; copy rows read their source through it.
    virtual std::string text(const TargetKey& key) const = 0;
    // Selects item `index` of the list named by key.control.
    virtual void selectItem(const TargetKey& key, int index) = 0;

    // True when a value target (default content, list selection) holds a value the user
    // typed or chose, or that came from a module or profile: its default then must not
    // replace it. The screen decides; the default treats every field as untouched.
    virtual bool keepsUserValue(const TargetKey& /*key*/) const { return false; }

    // Hungarian is applied to a row that has no Hungarian text of its own because the
    // control's Hungarian text is its design text: the screen may show that design text
    // again, so that a switch back to Hungarian does not leave another language's text.
    virtual void showDesignText(const TargetKey& /*key*/) {}
};

}  // namespace vardeck::i18n
