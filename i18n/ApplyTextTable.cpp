#include "i18n/ApplyTextTable.h"

namespace vardeck::i18n {

void applyTextTable(Language language, TextTargets& targets) {
    for (const TextRow& row : textTable()) {
        if (row.isCopy()) {
            targets.setText(row.target, targets.text(*row.copyOf));
            continue;
        }
        if (row.target.kind == TargetKind::DefaultContent && targets.keepsUserValue(row.target)) continue;
        if (row.hasText(language)) {
            targets.setText(row.target, row.text(language));
        } else if (language == Language::Hungarian) {
            targets.showDesignText(row.target);
        }
    }
}

void applySelectionDefaults(TextTargets& targets) {
    for (const SelectionDefault& selection : selectionDefaults()) {
        const TargetKey key = selection.target();
        if (!targets.keepsUserValue(key)) targets.selectItem(key, selection.item);
    }
}

}  // namespace vardeck::i18n
