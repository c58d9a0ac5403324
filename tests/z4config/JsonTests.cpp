#include <gtest/gtest.h>

#include "controls/ControlJson.h"
#include "controls/Json.h"

using namespace vardeck::controls;

namespace {
std::string errorOf(std::string_view text, JsonLimits limits = {}) {
    std::string error;
    EXPECT_FALSE(parseJson(text, error, limits).has_value()) << text;
    return error;
}
}  // namespace

TEST(Json, ReadsWhatItWritesWithOrderAndExactIntegers) {
    JsonValue doc = JsonValue::object();
    doc.set("z", 1);
    doc.set("a", JsonValue(JsonValue::Array{true, JsonValue(), "Árvíz \"tűrő\"\n\x01", std::int64_t{-9007199254740993}}));
    doc.set("r", 0.5);
    doc.set("w", -0.0);
    const std::string text = writeJson(doc);
    std::string error;
    auto back = parseJson(text, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(writeJson(*back), text);
    EXPECT_EQ(back->asObject()[0].first, "z");
    EXPECT_EQ(back->find("a")->asArray()[3].asInteger(), -9007199254740993);
    EXPECT_EQ(back->find("w")->type(), JsonValue::Type::Real);  // not the integer 0
    EXPECT_EQ(back->find("a")->asArray()[2].asString(), "Árvíz \"tűrő\"\n\x01");
    EXPECT_NE(text.find("\\u0001"), std::string::npos);
}

TEST(Json, DecodesEscapesAndSurrogatePairs) {
    std::string error;
    auto v = parseJson(R"(["\u00e1\u0151", "\ud83d\ude00", "a\/b\tc"])", error);
    ASSERT_TRUE(v) << error;
    EXPECT_EQ(v->asArray()[0].asString(), "áő");
    EXPECT_EQ(v->asArray()[1].asString(), "\xF0\x9F\x98\x80");
    EXPECT_EQ(v->asArray()[2].asString(), "a/b\tc");
}

TEST(Json, RejectsEverythingThatIsNotStrictJson) {
    EXPECT_NE(errorOf("{\"a\": 1,}").find("line 1"), std::string::npos);
    EXPECT_NE(errorOf("{\"a\": 1, \"a\": 2}").find("twice"), std::string::npos);
    EXPECT_NE(errorOf("[1] x").find("after the JSON value"), std::string::npos);
    EXPECT_NE(errorOf("\n  [01]").find("line 2"), std::string::npos);
    errorOf("// comment\n{}");
    errorOf("'single'");
    errorOf("[1.]");
    errorOf("[\"\\ud800\"]");           // lone surrogate
    errorOf("[\"\xC3\"]");              // invalid UTF-8
    errorOf("[\"tab\there\"]");         // raw control character
    errorOf("[99999999999999999999]");  // beyond 64 bits
    errorOf("[1e999]");
    errorOf("");
    errorOf("[tru]");
    EXPECT_NE(errorOf(std::string(100, '['), {1 << 20, 64}).find("nesting"), std::string::npos);
    EXPECT_NE(errorOf("[1, 2, 3]", {4, 64}).find("larger than"), std::string::npos);
}

TEST(ControlJson, ExportsTheFieldsOfEachKind) {
    ComboBox box("ComboBox12", {"Kikapcsolva", "Alacsony", "Normál"}, 2);
    box.setEnabled(false);
    EXPECT_EQ(writeJson(controlToJson(box)), "{\"index\": 2, \"item\": \"Normál\", \"enabled\": false, \"visible\": true}\n");
    CheckList list("SMSst1", {"a", "b"});
    list.setChecked(1, true);
    EXPECT_EQ(writeJson(controlToJson(list)), "{\"items\": [false, true], \"enabled\": true, \"visible\": true}\n");
}

TEST(ControlJson, AppliesValidValuesAndNamesEveryProblem) {
    auto parse = [](const char* text) {
        std::string error;
        return *parseJson(text, error);
    };
    SpinEdit spin("SpinEdit4", 3, 180, 30);
    auto r = applyControlJson(spin, parse(R"({"value": 100, "enabled": false, "visible": false})"));
    EXPECT_TRUE(r.ok && r.changed);
    EXPECT_EQ(spin.value(), 100);
    EXPECT_TRUE(spin.enabled());  // shown state is not applied
    EXPECT_FALSE(applyControlJson(spin, parse(R"({"value": 100})")).changed);

    r = applyControlJson(spin, parse(R"({"value": 181})"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "SpinEdit4 (spin edit): value 181 is outside 3 to 180");
    EXPECT_FALSE(applyControlJson(spin, parse(R"({"value": "12"})")).ok);
    EXPECT_FALSE(applyControlJson(spin, parse(R"({"value": 12.5})")).ok);
    EXPECT_FALSE(applyControlJson(spin, parse(R"({"checked": true})")).ok);
    EXPECT_EQ(spin.value(), 100);

    CheckBox box("best11", "x");
    EXPECT_FALSE(applyControlJson(box, parse(R"({"checked": 1})")).ok);
    EXPECT_FALSE(applyControlJson(box, parse(R"([true])")).ok);
    ComboBox list("ComboBox17", {"1", "2"}, 0);
    EXPECT_TRUE(applyControlJson(list, parse(R"({"index": -1, "item": "ignored"})")).changed);
    EXPECT_FALSE(applyControlJson(list, parse(R"({"index": 2})")).ok);
    Edit edit("Edit1", "", 4);
    EXPECT_FALSE(applyControlJson(edit, parse(R"({"text": "12345"})")).ok);
    CheckList items("SMSst1", {"a", "b"});
    EXPECT_FALSE(applyControlJson(items, parse(R"({"items": [true]})")).ok);
    EXPECT_FALSE(applyControlJson(items, parse(R"({"items": [true, 0]})")).ok);
    Label label("Label181", "120");
    EXPECT_TRUE(applyControlJson(label, parse(R"({"caption": "5"})")).ok);
    EXPECT_EQ(label.caption(), "120");
}
