#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "z4config/EditorJson.h"

using namespace vardeck::z4config;
using namespace vardeck::z4config::testing;
using namespace vardeck::controls;

namespace {
JsonValue parse(const std::string& text) {
    std::string error;
    auto v = parseJson(text, error);
    EXPECT_TRUE(v) << error;
    return v ? *v : JsonValue();
}
}  // namespace

TEST(EditorJson, ExportedStateAppliesToAFreshEditorUnchanged) {
    const Image base = filledImage(0xFF);
    Z4Editor source(kTypeCid);
    randomEditorState(source, 7, base);
    const std::string exported = writeJson(editorToJson(source));

    Z4Editor target(kTypeCid);
    target.setFirmwareVersion(source.firmwareVersion());  // not part of the document
    EXPECT_EQ(applyEditorJson(target, parse(exported)), "");
    // Shown-only fields (enabled, visible, captions) are not applied; compare what the
    // two editors write.
    target.setOutputTime(1, source.outputTime(1));  // a time in whole minutes shown in seconds
    for (Z4Page page : {Z4Page::Lift, Z4Page::OpenClose}) target.refreshPage(page);  // visited like the source's
    target.refreshPagesBeforeWrite();
    Image a = base, b = base;
    encodeImage(source, a, {});
    encodeImage(target, b, {});
    for (std::size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i], b[i]) << "byte " << i;
    EXPECT_EQ(target.eventMasks(), source.eventMasks());
}

TEST(EditorJson, TextsReadFromADeviceApplyUnchangedEvenWhenNoUserCouldTypeThem) {
    Image image = filledImage(0);  // zeros: 127 characters of header, NULs in the phone fields
    Z4Editor editor;
    decodeImage(image, editor);
    EXPECT_EQ(editor.Edit12.length(), 127u);
    EXPECT_EQ(applyEditorJson(editor, editorToJson(editor)), "");
    Z4Editor fresh;
    EXPECT_NE(applyEditorJson(fresh, editorToJson(editor)), "");  // as an edit it is too long
}

TEST(EditorJson, ShapeOfTheDocument) {
    Z4Editor editor;
    editor.eventMasks()[160] = 9;
    JsonValue doc = editorToJson(editor);
    const JsonValue* spin = doc.find("controls")->find("SpinEdit4");
    ASSERT_TRUE(spin);
    EXPECT_EQ(spin->find("value")->asInteger(), 30);
    EXPECT_EQ(doc.find("controls")->find("ComboBox20")->find("item")->asString(), "11V");
    EXPECT_EQ(doc.find("controls")->find("StringGrid3"), nullptr);
    EXPECT_EQ(doc.find("tables")->find("StringGrid2")->asArray().size(), 16u);
    EXPECT_EQ(doc.find("tables")->find("StringGrid3")->asArray().size(), 161u);
    EXPECT_EQ(doc.find("tables")->find("masks")->asArray()[160].asInteger(), 9);
}

TEST(EditorJson, EditsRunTheirRulesInTheOrderOfTheScreen) {
    Z4Editor editor;
    // The time is given before its unit: the unit is still applied first.
    EXPECT_EQ(applyEditorJson(editor, parse(R"({"controls": {"SpinKI1": {"value": 5}, "KI1SECMIN": {"index": 1},
                                                "CheckBox11": {"checked": true}}})")),
              "");
    EXPECT_EQ(editor.outputTime(1), 300);
    EXPECT_TRUE(editor.SpinEdit1.enabled());
}

TEST(EditorJson, TablesApplyAsTypedCells) {
    Z4Editor editor;
    JsonValue doc = editorToJson(editor);
    JsonValue& events = const_cast<JsonValue&>(*doc.find("tables")->find("StringGrid3"));
    events.asArray()[0] = JsonValue(JsonValue::Array{"e130", "Betores"});
    EXPECT_EQ(applyEditorJson(editor, doc), "");
    EXPECT_EQ(editor.StringGrid3.cell(1, 0), "E130");
}

TEST(EditorJson, NamesEachProblem) {
    Z4Editor editor;
    auto error = [&](const std::string& text) { return applyEditorJson(editor, parse(text)); };
    EXPECT_EQ(error(R"({"controls": {"SpinEdit99": {"value": 1}}})"), "unknown control \"SpinEdit99\"");
    EXPECT_EQ(error(R"({"controls": {"SpinEdit4": {"value": 2}}})"), "SpinEdit4 (spin edit): value 2 is outside 3 to 180");
    EXPECT_EQ(error(R"({"controls": {"best11": {"text": "x"}}})"), "best11 (check box): has no field \"text\"");
    EXPECT_EQ(error(R"({"control": {}})"), "unknown member \"control\" (expected \"controls\" and \"tables\")");
    EXPECT_NE(error(R"({"controls": {"StringGrid2": {}}})").find("tables"), std::string::npos);
    EXPECT_NE(error(R"({"tables": {"masks": [1, 2]}})").find("161"), std::string::npos);
    EXPECT_NE(error(R"([1])").find("object"), std::string::npos);

    JsonValue doc = editorToJson(editor);
    auto& zones = const_cast<JsonValue&>(*doc.find("tables")->find("StringGrid2"));
    zones.asArray()[3] = JsonValue(JsonValue::Array{"010011", "x"});
    EXPECT_EQ(applyEditorJson(editor, doc), "tables.StringGrid2 row 4: code \"010011\" is longer than 5 characters");
    zones.asArray()[3] = JsonValue(JsonValue::Array{"01001"});
    EXPECT_NE(applyEditorJson(editor, doc).find("two strings"), std::string::npos);
}
