// Writes text-table rows compactly: one call per target, texts in the order Hungarian,
// English, German, Slovenian; an empty text means the language has none.
#pragma once

#include <string_view>
#include <vector>

#include "i18n/TextTable.h"

namespace vardeck::i18n {

class TextRowBuilder {
public:
    TextRowBuilder(std::vector<TextRow>& rows, Screen screen) : rows_(rows), screen_(screen) {}

    void caption(std::string_view control, std::string_view hu, std::string_view en, std::string_view de,
                 std::string_view sl) {
        add({screen_, control, -1, TargetKind::Caption}, hu, en, de, sl);
    }
    void item(std::string_view control, int index, std::string_view hu, std::string_view en, std::string_view de,
              std::string_view sl) {
        add({screen_, control, index, TargetKind::Item}, hu, en, de, sl);
    }
    void content(std::string_view control, std::string_view hu, std::string_view en, std::string_view de,
                 std::string_view sl) {
        add({screen_, control, -1, TargetKind::DefaultContent}, hu, en, de, sl);
    }

    // `control` shows the caption that `source` shows.
    void copyCaption(std::string_view control, std::string_view source) {
        copy({screen_, control, -1, TargetKind::Caption}, {screen_, source, -1, TargetKind::Caption});
    }
    // Items 0 to count-1 of `list` repeat those of `source`.
    void copyItems(std::string_view list, std::string_view source, int count) {
        for (int i = 0; i < count; ++i)
            copy({screen_, list, i, TargetKind::Item}, {screen_, source, i, TargetKind::Item});
    }

private:
    void add(TargetKey key, std::string_view hu, std::string_view en, std::string_view de, std::string_view sl) {
        rows_.push_back(TextRow{key, {hu, en, de, sl}, std::nullopt});
    }
    void copy(TargetKey key, TargetKey source) { rows_.push_back(TextRow{key, {}, source}); }

    std::vector<TextRow>& rows_;
    Screen screen_;
};

}  // namespace vardeck::i18n
