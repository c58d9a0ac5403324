#include "z4config/EditorJson.h"

#include "z4config/controls/ControlJson.h"
#include "z4config/controls/Utf8.h"

namespace vardeck::z4config {

using namespace controls;

namespace {

constexpr const char* kZoneGrid = "StringGrid2";
constexpr const char* kEventGrid = "StringGrid3";
constexpr const char* kMasks = "masks";

JsonValue gridRows(const Grid& grid) {
    JsonValue rows = JsonValue::array();
    for (int r = grid.fixedRows(); r < grid.rowCount(); ++r) rows.push(JsonValue(JsonValue::Array{grid.cell(r, 0), grid.cell(r, 1)}));
    return rows;
}

// A code cell takes what typing would leave in it: a code of full length in upper case.
std::string typedCode(const std::string& code, std::size_t length) {
    if (utf8Length(code) != length) return code;
    std::string upper = code;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string applyGrid(Grid& grid, const JsonValue& rows, std::size_t codeLength) {
    const int dataRows = grid.rowCount() - grid.fixedRows();
    const std::string where = std::string("tables.") + grid.name();
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
        const int row = i + grid.fixedRows();
        if (grid.cell(row, 0) != code) grid.setCell(row, 0, typedCode(code, codeLength));
        grid.setCell(row, 1, name);
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
        if (key == kZoneGrid) error = applyGrid(editor.StringGrid2, value, kZoneCodeLength);
        else if (key == kEventGrid) error = applyGrid(editor.StringGrid3, value, kEventCodeLength);
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
    tables.set(kZoneGrid, gridRows(editor.StringGrid2));
    tables.set(kEventGrid, gridRows(editor.StringGrid3));
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
