#pragma once
#include <span>
#include <string>

#include "shell/SearchControls.h"

namespace vardeck {

// How a brand changes the search view, as data: each row sets one property of one
// control, named as in the view.
enum class LayoutProperty { Hide, Show, Caption, Picture, Left };

struct LayoutChange {
    const char* control;
    LayoutProperty property;
    const char* text = "";  // caption or symbolic picture name
    int number = 0;         // left edge
};

// The rows for one brand (none for an unknown brand). The search view's own
// window is named "Form8"; a picture set on it is the window's icon.
std::span<const LayoutChange> searchBrandLayout(int brand);

// Applies rows to the controls of a registry; rows naming a control that is not
// there, or a property that control has not, are skipped. A picture set on a window
// is its icon; a left edge is an absolute placement.
void applyLayout(std::span<const LayoutChange> changes, const controls::ControlRegistry& registry);

}  // namespace vardeck
