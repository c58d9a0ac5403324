#include "cli/DeviceJson.h"

#include <algorithm>

#include "controls/ControlJson.h"
#include "controls/Controls.h"

namespace vardeck::cli {
namespace {

using controls::JsonValue;

// Longer cell texts are no coordinate or code any screen could take.
constexpr std::size_t kMaxCellLength = 64;

const controls::Grid* asGrid(const controls::Control* control) { return dynamic_cast<const controls::Grid*>(control); }

bool editable(const devices::DeviceScreen& screen, const std::string& name) {
    const auto names = screen.editableControls();
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string applyTable(controls::Grid& grid, const JsonValue& rows) {
    const std::string where = "table " + grid.name();
    if (!rows.isArray() || static_cast<int>(rows.asArray().size()) != grid.rowCount())
        return where + ": expected " + std::to_string(grid.rowCount()) + " rows";
    for (int r = 0; r < grid.rowCount(); ++r) {
        const JsonValue& row = rows.asArray()[static_cast<std::size_t>(r)];
        if (!row.isArray() || static_cast<int>(row.asArray().size()) != grid.colCount())
            return where + ", row " + std::to_string(r) + ": expected " + std::to_string(grid.colCount()) + " cells";
        for (const JsonValue& cell : row.asArray()) {
            if (!cell.isString()) return where + ", row " + std::to_string(r) + ": cells are strings";
            if (cell.asString().size() > kMaxCellLength)
                return where + ", row " + std::to_string(r) + ": a cell is longer than " + std::to_string(kMaxCellLength);
        }
    }
    for (int r = grid.fixedRows(); r < grid.rowCount(); ++r)
        for (int c = 1; c < grid.colCount(); ++c)
            grid.setCell(r, c, rows.asArray()[static_cast<std::size_t>(r)].asArray()[static_cast<std::size_t>(c)].asString());
    return {};
}

}  // namespace

JsonValue screenToJson(const devices::DeviceScreen& screen) {
    JsonValue controlsJson = JsonValue::object();
    JsonValue tables = JsonValue::object();
    for (const std::string& name : screen.editableControls()) {
        const controls::Control* control = screen.controls().find(name);
        if (!control) continue;
        if (const controls::Grid* grid = asGrid(control)) {
            JsonValue rows = JsonValue::array();
            for (int r = 0; r < grid->rowCount(); ++r) {
                JsonValue row = JsonValue::array();
                for (int c = 0; c < grid->colCount(); ++c) row.push(JsonValue(grid->cell(r, c)));
                rows.push(std::move(row));
            }
            tables.set(name, std::move(rows));
        } else {
            controlsJson.set(name, controls::controlToJson(*control));
        }
    }
    JsonValue document = JsonValue::object();
    document.set("controls", std::move(controlsJson));
    if (!tables.asObject().empty()) document.set("tables", std::move(tables));
    return document;
}

std::string applyScreenJson(devices::DeviceScreen& screen, const JsonValue& document) {
    if (!document.isObject()) return "the document is not a JSON object";
    for (const auto& [key, value] : document.asObject()) {
        if (key != "controls" && key != "tables") return "unknown member \"" + key + "\"";
        if (!value.isObject()) return "\"" + key + "\" is not an object";
    }
    const JsonValue* controlsJson = document.find("controls");
    const JsonValue* tables = document.find("tables");
    // Every name is checked before anything changes.
    if (controlsJson) {
        for (const auto& [name, state] : controlsJson->asObject()) {
            if (!editable(screen, name) || asGrid(screen.controls().find(name)))
                return "unknown control \"" + name + "\"";
            if (!state.isObject()) return "control " + name + ": expected an object";
        }
    }
    if (tables) {
        for (const auto& [name, rows] : tables->asObject()) {
            if (!editable(screen, name) || !asGrid(screen.controls().find(name)))
                return "unknown table \"" + name + "\"";
        }
    }
    for (const std::string& name : screen.editableControls()) {
        controls::Control* control = screen.controls().find(name);
        if (!control) continue;
        if (auto* grid = dynamic_cast<controls::Grid*>(control)) {
            const JsonValue* rows = tables ? tables->find(name) : nullptr;
            if (!rows) continue;
            if (std::string error = applyTable(*grid, *rows); !error.empty()) return error;
            screen.controlChanged(name);
            continue;
        }
        const JsonValue* state = controlsJson ? controlsJson->find(name) : nullptr;
        if (!state) continue;
        const controls::ControlApply applied = controls::applyControlJson(*control, *state);
        if (!applied.ok) return applied.error;
        if (applied.changed) screen.controlChanged(name);
    }
    return {};
}

}  // namespace vardeck::cli
