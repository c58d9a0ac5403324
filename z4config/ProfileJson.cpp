#include "z4config/ProfileJson.h"

#include "z4config/CustomerRecord.h"
#include "z4config/EditorJson.h"

namespace vardeck::z4config {

using controls::JsonValue;

namespace {
constexpr const char* kCustomer = "customer";
}

JsonValue profileToJson(const Z4Editor& editor) {
    JsonValue doc = editorToJson(editor);
    // The customer fields appear once, under "customer".
    JsonValue controls = JsonValue::object();
    for (const auto& [name, state] : doc.find("controls")->asObject())
        if (!isCustomerField(name)) controls.set(name, state);
    doc.set("controls", std::move(controls));
    JsonValue customer = JsonValue::object();
    for (std::string_view name : kCustomerFields) customer.set(std::string(name), editor.get<controls::Edit>(name).text());
    doc.set(kCustomer, std::move(customer));
    return doc;
}

std::string applyProfileJson(Z4Editor& editor, const JsonValue& document) {
    if (!document.isObject()) return "the document must be a JSON object";
    const JsonValue* customer = document.find(kCustomer);
    if (!customer) return applyEditorJson(editor, document);
    if (!customer->isObject()) return "\"customer\" must be an object of texts";

    // The customer texts join the controls as the texts of their fields.
    JsonValue rest = JsonValue::object();
    JsonValue controls = JsonValue::object();
    for (const auto& [key, value] : document.asObject()) {
        if (key == "controls" && value.isObject()) controls = value;
        else if (key != kCustomer) rest.set(key, value);
    }
    if (const JsonValue* given = document.find("controls"); given && !given->isObject()) return "\"controls\" must be an object";
    for (const auto& [name, text] : customer->asObject()) {
        if (!isCustomerField(name)) return "customer: unknown field \"" + name + "\" (Edit2 to Edit7)";
        if (controls.find(name)) return "customer: " + name + " is also given under \"controls\"";
        JsonValue state = JsonValue::object();
        state.set("text", text);
        controls.set(name, std::move(state));
    }
    rest.set("controls", std::move(controls));
    return applyEditorJson(editor, rest);
}

}  // namespace vardeck::z4config
