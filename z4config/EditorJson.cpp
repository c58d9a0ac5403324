#include "z4config/EditorJson.h"

#include <functional>

#include "z4config/ContactIdPages.h"
#include "controls/ControlJson.h"
#include "controls/Utf8.h"

namespace vardeck::z4config {

using namespace controls;

namespace {

constexpr const char* kZoneGrid = "StringGrid2";
constexpr const char* kEventGrid = "StringGrid3";
constexpr const char* kMasks = "masks";

// The data rows of a code table, wherever the editor keeps them: rows 1 to rowCount.
struct TableRows {
    std::string name;
    int rowCount;
    std::size_t codeLength;
    std::function<const std::string&(int row, int col)> cell;
    std::function<void(int row, int col, std::string text)> setCell;
};

TableRows zoneRows(Grid& grid) {
    return {grid.name(), kZoneRows, kZoneCodeLength, [&grid](int r, int c) -> const std::string& { return grid.cell(r, c); },
            [&grid](int r, int c, std::string t) { grid.setCell(r, c, std::move(t)); }};
}

TableRows eventRows(EventTable& table) {
    return {table.grid().name(), kEventRows, kEventCodeLength,
            [&table](int r, int c) -> const std::string& { return table.cell(r, c); },
            [&table](int r, int c, std::string t) { table.setCell(r, c, std::move(t)); }};
}

template <class Cell>
JsonValue tableJson(int rowCount, Cell cell) {
    JsonValue rows = JsonValue::array();
    for (int r = 1; r <= rowCount; ++r) rows.push(JsonValue(JsonValue::Array{cell(r, kCodeColumn), cell(r, kNameColumn)}));
    return rows;
}

std::string applyGrid(const TableRows& grid, const JsonValue& rows) {
    const int dataRows = grid.rowCount;
    const std::size_t codeLength = grid.codeLength;
    const std::string where = "tables." + grid.name;
    if (!rows.isArray() || static_cast<int>(rows.asArray().size()) != dataRows)
        return where + ": must be an array of " + std::to_string(dataRows) + " rows";
    for (int i = 0; i < dataRows; ++i) {
        const JsonValue& cells = rows.asArray()[i];
        const std::string at = where + " row " + std::to_string(i + 1);
        if (!cells.isArray() || cells.asArray().size() != 2 || !cells.asArray()[0].isString() || !cells.asArray()[1].isString())
            return at + ": must be [code, name], two strings";
        const std::string& code = cells.asArray()[0].asString();
        const std::string& name = cells.asArray()[1].asString();
        if (utf8Length(code) > codeLength) return at + ": code \"" + code + "\" is longer than " + std::to_string(codeLength) + " characters";
        if (utf8Length(name) > kNameLength) return at + ": name is longer than " + std::to_string(kNameLength) + " characters";
        // As typed: only a changed cell takes the form typing gives it.
        const int row = i + 1;
        if (grid.cell(row, kCodeColumn) != code) grid.setCell(row, kCodeColumn, editedCodeCell(code, codeLength));
        if (grid.cell(row, kNameColumn) != name) grid.setCell(row, kNameColumn, editedNameCell(name));
    }
    return {};
}

std::string applyMasks(EventMasks& masks, const JsonValue& values) {
    if (!values.isArray() || values.asArray().size() != masks.size())
        return "tables.masks: must be an array of " + std::to_string(masks.size()) + " integers";
    for (std::size_t i = 0; i < masks.size(); ++i) {
        const JsonValue& v = values.asArray()[i];
        if (!v.isInteger() || v.asInteger() < 0 || v.asInteger() > 255)
            return "tables.masks[" + std::to_string(i) + "]: must be an integer from 0 to 255";
    }
    for (std::size_t i = 0; i < masks.size(); ++i) masks[i] = static_cast<std::uint8_t>(values.asArray()[i].asInteger());
    return {};
}

std::string applyTables(Z4Editor& editor, const JsonValue& tables) {
    if (!tables.isObject()) return "\"tables\" must be an object";
    for (auto& [key, value] : tables.asObject()) {
        std::string error;
        if (key == kZoneGrid) error = applyGrid(zoneRows(editor.StringGrid2), value);
        else if (key == kEventGrid) error = applyGrid(eventRows(editor.eventTable()), value);
        else if (key == kMasks) error = applyMasks(editor.eventMasks(), value);
        else error = "tables: unknown member \"" + key + "\"";
        if (!error.empty()) return error;
    }
    return {};
}

std::string applyControls(Z4Editor& editor, const JsonValue& states) {
    if (!states.isObject()) return "\"controls\" must be an object";
    for (auto& [name, state] : states.asObject()) {
        const Control* c = editor.controls().find(name);
        if (!c) return "unknown control \"" + name + "\"";
        if (c->kind() == ControlKind::Grid) return name + ": the grids are set under \"tables\"";
    }
    for (Control* c : editor.controls().all()) {
        const JsonValue* state = states.find(c->name());
        if (!state) continue;
        const ControlApply applied = applyControlJson(*c, *state);
        if (!applied.ok) return applied.error;
        if (applied.changed) editor.userChanged(c->name());
    }
    return {};
}

}  // namespace

JsonValue editorToJson(const Z4Editor& editor) {
    JsonValue controlStates = JsonValue::object();
    for (const Control* c : editor.controls().all())
        if (c->kind() != ControlKind::Grid) controlStates.set(c->name(), controlToJson(*c));
    JsonValue masks = JsonValue::array();
    for (std::uint8_t m : editor.eventMasks()) masks.push(static_cast<int>(m));
    JsonValue tables = JsonValue::object();
    tables.set(kZoneGrid, tableJson(kZoneRows, [&](int r, int c) { return editor.StringGrid2.cell(r, c); }));
    tables.set(kEventGrid, tableJson(kEventRows, [&](int r, int c) { return editor.eventTable().cell(r, c); }));
    tables.set(kMasks, std::move(masks));
    JsonValue doc = JsonValue::object();
    doc.set("controls", std::move(controlStates));
    doc.set("tables", std::move(tables));
    return doc;
}

std::string applyEditorJson(Z4Editor& editor, const JsonValue& document) {
    if (!document.isObject()) return "the document must be a JSON object";
    for (auto& [key, value] : document.asObject()) {
        std::string error;
        if (key == "controls") error = applyControls(editor, value);
        else if (key == "tables") error = applyTables(editor, value);
        else error = "unknown member \"" + key + "\" (expected \"controls\" and \"tables\")";
        if (!error.empty()) return error;
    }
    return {};
}

}  // namespace vardeck::z4config
