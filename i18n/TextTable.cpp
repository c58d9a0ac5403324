#include "i18n/TextTable.h"

#include <algorithm>

namespace vardeck::i18n {

const std::vector<TextRow>& textTable() {
    static const std::vector<TextRow> rows = [] {
        std::vector<TextRow> r;
        appendEditorPageRows(r);
        appendMenuAndViewRows(r);
        return r;
    }();
    return rows;
}

const TextRow* findTextRow(const TargetKey& target) {
    const auto& rows = textTable();
    auto it = std::find_if(rows.begin(), rows.end(), [&](const TextRow& row) { return row.target == target; });
    return it == rows.end() ? nullptr : &*it;
}

const std::vector<SelectionDefault>& selectionDefaults() {
    static const std::vector<SelectionDefault> defaults = {
        {"ComboKi1", 0},  {"ComboKi2", 0},  {"ComboBox1", 1},  {"ComboBox2", 1},  {"ComboBox3", 0},
        {"ComboBox4", 0}, {"ComboBox9", 1}, {"ComboBox10", 1}, {"ComboBox12", 2}, {"ComboBox13", 0},
    };
    return defaults;
}

}  // namespace vardeck::i18n
