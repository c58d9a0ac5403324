#include "controls/ControlJson.h"

#include <initializer_list>
#include <string_view>

#include "controls/ScreenControls.h"

namespace vardeck::controls {
namespace {

JsonValue panelsOf(const StatusBar& bar) {
    JsonValue panels = JsonValue::array();
    for (int i = 0; i < bar.count(); ++i) panels.push(bar.panel(i));
    return panels;
}

ControlApply failure(const Control& c, const std::string& what) {
    return {false, false, c.name() + " (" + std::string(kindName(c.kind())) + "): " + what};
}

bool oneOf(std::string_view key, std::initializer_list<std::string_view> keys) {
    for (auto k : keys)
        if (k == key) return true;
    return false;
}

// The field a kind can be edited through, and the fields it only shows.
std::string_view editableField(ControlKind kind) {
    switch (kind) {
        case ControlKind::CheckBox: return "checked";
        case ControlKind::Edit: return "text";
        case ControlKind::SpinEdit: return "value";
        case ControlKind::ComboBox: return "index";
        case ControlKind::CheckList: return "items";
        case ControlKind::Grid: return "cells";
        default: return {};
    }
}

bool shownOnly(ControlKind kind, std::string_view key) {
    if (oneOf(key, {"enabled", "visible"})) return true;
    switch (kind) {
        case ControlKind::ComboBox: return key == "item";
        case ControlKind::Label:
        case ControlKind::Button:
        case ControlKind::Page:
        case ControlKind::Panel:
        case ControlKind::Form: return key == "caption";
        case ControlKind::StatusBar: return key == "panels";
        case ControlKind::Picture: return key == "picture";
        case ControlKind::Lamp: return key == "lit";
        case ControlKind::Gauge: return key == "progress";
        case ControlKind::MenuItem: return oneOf(key, {"caption", "checked"});
        default: return false;
    }
}

ControlApply applyGrid(Grid& grid, const JsonValue& cells) {
    if (!cells.isArray()) return failure(grid, "\"cells\" must be an array of rows");
    const auto& rows = cells.asArray();
    const int dataRows = grid.rowCount() - grid.fixedRows();
    if (static_cast<int>(rows.size()) != dataRows)
        return failure(grid, "\"cells\" must hold " + std::to_string(dataRows) + " rows");
    for (auto& row : rows) {
        if (!row.isArray() || static_cast<int>(row.asArray().size()) != grid.colCount())
            return failure(grid, "each row must be an array of " + std::to_string(grid.colCount()) + " texts");
        for (auto& cell : row.asArray())
            if (!cell.isString()) return failure(grid, "cells must be strings");
    }
    ControlApply result;
    for (int r = 0; r < dataRows; ++r) {
        for (int c = 0; c < grid.colCount(); ++c) {
            const std::string& text = rows[r].asArray()[c].asString();
            if (grid.cell(r + grid.fixedRows(), c) != text) {
                grid.setCell(r + grid.fixedRows(), c, text);
                result.changed = true;
            }
        }
    }
    return result;
}

}  // namespace

JsonValue controlToJson(const Control& control) {
    JsonValue out = JsonValue::object();
    switch (control.kind()) {
        case ControlKind::CheckBox: out.set("checked", static_cast<const CheckBox&>(control).checked()); break;
        case ControlKind::Edit: out.set("text", static_cast<const Edit&>(control).text()); break;
        case ControlKind::SpinEdit: out.set("value", static_cast<const SpinEdit&>(control).value()); break;
        case ControlKind::ComboBox: {
            auto& box = static_cast<const ComboBox&>(control);
            out.set("index", box.itemIndex());
            out.set("item", box.itemText());
            break;
        }
        case ControlKind::CheckList: {
            auto& list = static_cast<const CheckList&>(control);
            JsonValue items = JsonValue::array();
            for (int i = 0; i < list.count(); ++i) items.push(list.checked(i));
            out.set("items", std::move(items));
            break;
        }
        case ControlKind::Grid: {
            auto& grid = static_cast<const Grid&>(control);
            JsonValue rows = JsonValue::array();
            for (int r = grid.fixedRows(); r < grid.rowCount(); ++r) {
                JsonValue row = JsonValue::array();
                for (int c = 0; c < grid.colCount(); ++c) row.push(grid.cell(r, c));
                rows.push(std::move(row));
            }
            out.set("cells", std::move(rows));
            break;
        }
        case ControlKind::StatusBar: out.set("panels", panelsOf(static_cast<const StatusBar&>(control))); break;
        case ControlKind::Label:
        case ControlKind::Button:
        case ControlKind::Page:
        case ControlKind::Panel:
        case ControlKind::Form: out.set("caption", control.caption()); break;
        case ControlKind::Picture: out.set("picture", static_cast<const Picture&>(control).picture()); break;
        case ControlKind::Lamp: out.set("lit", static_cast<const Lamp&>(control).lit()); break;
        case ControlKind::Gauge: out.set("progress", static_cast<const Gauge&>(control).progress()); break;
        case ControlKind::MenuItem:
            out.set("caption", control.caption());
            if (static_cast<const MenuItem&>(control).checkable())
                out.set("checked", static_cast<const MenuItem&>(control).checked());
            break;
    }
    out.set("enabled", control.enabled());
    out.set("visible", control.visible());
    return out;
}

ControlApply applyControlJson(Control& control, const JsonValue& state) {
    if (!state.isObject()) return failure(control, "expected an object, got " + std::string(jsonTypeName(state)));
    const std::string_view field = editableField(control.kind());
    const JsonValue* value = nullptr;
    for (auto& [key, v] : state.asObject()) {
        if (!field.empty() && key == field) {
            value = &v;
        } else if (!shownOnly(control.kind(), key)) {
            return failure(control, "has no field \"" + key + "\"");
        }
    }
    if (!value) return {};

    ControlApply result;
    switch (control.kind()) {
        case ControlKind::CheckBox:
            if (!value->isBool()) return failure(control, "\"checked\" must be a boolean, got " + std::string(jsonTypeName(*value)));
            result.changed = static_cast<CheckBox&>(control).setChecked(value->asBool());
            break;
        case ControlKind::Edit: {
            auto& edit = static_cast<Edit&>(control);
            if (!value->isString()) return failure(control, "\"text\" must be a string, got " + std::string(jsonTypeName(*value)));
            // A text the control already holds is no edit: it may have come from a
            // device and need not fit what a user could type.
            if (value->asString() != edit.text() && !edit.accepts(value->asString())) {
                std::string why = "text \"" + value->asString() + "\" is not accepted";
                if (edit.maxLength()) why += " (at most " + std::to_string(edit.maxLength()) + " characters";
                if (edit.masked()) why += edit.maxLength() ? ", and only the characters the field's mask allows" : " (only the characters the field's mask allows";
                if (edit.maxLength() || edit.masked()) why += ")";
                return failure(control, why);
            }
            result.changed = edit.setText(value->asString());
            break;
        }
        case ControlKind::SpinEdit: {
            auto& spin = static_cast<SpinEdit&>(control);
            if (!value->isInteger()) return failure(control, "\"value\" must be an integer, got " + std::string(jsonTypeName(*value)));
            if (!spin.inRange(value->asInteger()))
                return failure(control, "value " + std::to_string(value->asInteger()) + " is outside " +
                                            std::to_string(spin.minValue()) + " to " + std::to_string(spin.maxValue()));
            result.changed = spin.setValue(value->asInteger());
            break;
        }
        case ControlKind::ComboBox: {
            auto& box = static_cast<ComboBox&>(control);
            if (!value->isInteger()) return failure(control, "\"index\" must be an integer, got " + std::string(jsonTypeName(*value)));
            const auto index = value->asInteger();
            if (index < -1 || index >= box.count())
                return failure(control, "index " + std::to_string(index) + " is outside -1 to " + std::to_string(box.count() - 1));
            result.changed = box.setItemIndex(static_cast<int>(index));
            break;
        }
        case ControlKind::CheckList: {
            auto& list = static_cast<CheckList&>(control);
            if (!value->isArray() || static_cast<int>(value->asArray().size()) != list.count())
                return failure(control, "\"items\" must be an array of " + std::to_string(list.count()) + " booleans");
            for (auto& item : value->asArray())
                if (!item.isBool()) return failure(control, "\"items\" must hold booleans only");
            for (int i = 0; i < list.count(); ++i) {
                const bool on = value->asArray()[i].asBool();
                if (list.checked(i) != on) {
                    list.setChecked(i, on);
                    result.changed = true;
                }
            }
            break;
        }
        case ControlKind::Grid: return applyGrid(static_cast<Grid&>(control), *value);
        default: break;
    }
    return result;
}

}  // namespace vardeck::controls
