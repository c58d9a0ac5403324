// The four-language text table of the Z-4 configurator and three of its views: one row
// per target, applied by control name. The table holds only data; applying it to the
// screens goes through TextTargets (ApplyTextTable.h).
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "i18n/Language.h"

namespace vardeck::i18n {

// The views whose controls share names (each has its own `Label1`, `BitBtn3`, ...).
enum class Screen { Configurator, StatusView, MonitorView, WindowSizeView };

// The view objects themselves; a row whose control is the view's own name targets the
// window title.
inline constexpr std::string_view kStatusViewName = "Z4Form2";
inline constexpr std::string_view kMonitorViewName = "Z4Form3";
inline constexpr std::string_view kWindowSizeViewName = "Z4Form7";

enum class TargetKind {
    Caption,         // caption or text of a control, page, menu item or window title
    Item,            // one item of a drop-down list
    DefaultContent,  // default content of an SMS text field, a value the user may own
    Selection,       // the selected item of a list (selection defaults only)
};

struct TargetKey {
    Screen screen = Screen::Configurator;
    std::string_view control;
    int item = -1;  // list item index for TargetKind::Item, otherwise -1
    TargetKind kind = TargetKind::Caption;

    friend bool operator==(const TargetKey&, const TargetKey&) = default;
};

// One target with its text in each language, or a copy row that takes the text its
// source shows at that moment (the source's row comes earlier in the table).
struct TextRow {
    TargetKey target;
    std::array<std::string_view, kLanguageCount> texts{};  // empty: no text in that language
    std::optional<TargetKey> copyOf;

    bool isCopy() const { return copyOf.has_value(); }
    bool hasText(Language language) const { return !texts[column(language)].empty(); }
    std::string_view text(Language language) const { return texts[column(language)]; }
};

// The whole table in application order.
const std::vector<TextRow>& textTable();

// The row of a target, or nullptr.
const TextRow* findTextRow(const TargetKey& target);

// Rows of the table, by part; textTable() joins them in this order.
void appendEditorPageRows(std::vector<TextRow>& rows);
void appendMenuAndViewRows(std::vector<TextRow>& rows);

// A list selection that screen activation restores (design defaults of the lists).
struct SelectionDefault {
    std::string_view control;
    int item = 0;

    TargetKey target() const { return {Screen::Configurator, control, -1, TargetKind::Selection}; }
};

const std::vector<SelectionDefault>& selectionDefaults();

}  // namespace vardeck::i18n
