#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vardeck::controls {

// A small JSON value for exporting and applying control states. Objects keep the order
// of their members; integers are kept exactly (64-bit), other numbers as double.
class JsonValue {
public:
    using Array = std::vector<JsonValue>;
    using Member = std::pair<std::string, JsonValue>;
    using Object = std::vector<Member>;
    enum class Type { Null, Bool, Integer, Real, String, Array, Object };

    JsonValue() = default;
    JsonValue(bool b) : type_(Type::Bool), bool_(b) {}
    JsonValue(int i) : type_(Type::Integer), int_(i) {}
    JsonValue(std::int64_t i) : type_(Type::Integer), int_(i) {}
    JsonValue(double d) : type_(Type::Real), real_(d) {}
    JsonValue(std::string s) : type_(Type::String), string_(std::move(s)) {}
    JsonValue(const char* s) : type_(Type::String), string_(s) {}
    JsonValue(Array a) : type_(Type::Array), array_(std::move(a)) {}
    static JsonValue object() {
        JsonValue v;
        v.type_ = Type::Object;
        return v;
    }
    static JsonValue array() { return JsonValue(Array{}); }

    Type type() const { return type_; }
    bool isNull() const { return type_ == Type::Null; }
    bool isBool() const { return type_ == Type::Bool; }
    bool isInteger() const { return type_ == Type::Integer; }
    bool isString() const { return type_ == Type::String; }
    bool isArray() const { return type_ == Type::Array; }
    bool isObject() const { return type_ == Type::Object; }

    // Accessors of the matching type; another type is a programming error (std::logic_error).
    bool asBool() const { return expect(Type::Bool).bool_; }
    std::int64_t asInteger() const { return expect(Type::Integer).int_; }
    double asReal() const { return expect(Type::Real).real_; }
    const std::string& asString() const { return expect(Type::String).string_; }
    const Array& asArray() const { return expect(Type::Array).array_; }
    Array& asArray() { return const_cast<Array&>(std::as_const(*this).asArray()); }
    const Object& asObject() const { return expect(Type::Object).object_; }
    Object& asObject() { return const_cast<Object&>(std::as_const(*this).asObject()); }

    // Object member by key, nullptr when absent (or when this is not an object).
    const JsonValue* find(std::string_view key) const;
    // Adds a member to an object, or replaces the value of an existing one.
    JsonValue& set(std::string key, JsonValue value);
    // Appends to an array.
    void push(JsonValue value) { asArray().push_back(std::move(value)); }

private:
    const JsonValue& expect(Type t) const;

    Type type_ = Type::Null;
    bool bool_ = false;
    std::int64_t int_ = 0;
    double real_ = 0;
    std::string string_;
    Array array_;
    Object object_;
};

// The type of a value as a user reads it in a message: "a boolean", "a string", ...
std::string_view jsonTypeName(const JsonValue& value);

// Limits of the reader, so that hostile input cannot exhaust memory or the stack.
struct JsonLimits {
    std::size_t maxBytes = 16u << 20;
    int maxDepth = 64;
};

// Parses strict JSON (RFC 8259): no comments, no trailing commas, no duplicate keys,
// strings of valid UTF-8, nothing after the value. On failure returns nothing and sets
// error to a message with line and column.
std::optional<JsonValue> parseJson(std::string_view text, std::string& error, JsonLimits limits = {});

// Writes indented JSON; arrays and objects holding only scalars stay on one line.
std::string writeJson(const JsonValue& value);

}  // namespace vardeck::controls
