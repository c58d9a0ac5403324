#include "controls/Json.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "controls/Utf8.h"

namespace vardeck::controls {

const JsonValue& JsonValue::expect(Type t) const {
    if (type_ != t) throw std::logic_error("JSON value of another type");
    return *this;
}

const JsonValue* JsonValue::find(std::string_view key) const {
    if (!isObject()) return nullptr;
    for (auto& m : asObject())
        if (m.first == key) return &m.second;
    return nullptr;
}

JsonValue& JsonValue::set(std::string key, JsonValue value) {
    auto& members = asObject();
    for (auto& m : members) {
        if (m.first == key) {
            m.second = std::move(value);
            return m.second;
        }
    }
    members.emplace_back(std::move(key), std::move(value));
    return members.back().second;
}

std::string_view jsonTypeName(const JsonValue& value) {
    switch (value.type()) {
        case JsonValue::Type::Null: return "null";
        case JsonValue::Type::Bool: return "a boolean";
        case JsonValue::Type::Integer: return "an integer";
        case JsonValue::Type::Real: return "a non-integer number";
        case JsonValue::Type::String: return "a string";
        case JsonValue::Type::Array: return "an array";
        case JsonValue::Type::Object: return "an object";
    }
    return "a value";
}

namespace {

class Parser {
public:
    Parser(std::string_view text, JsonLimits limits) : text_(text), limits_(limits) {}

    std::optional<JsonValue> run(std::string& error) {
        if (text_.size() > limits_.maxBytes) {
            error = "JSON text is larger than " + std::to_string(limits_.maxBytes) + " bytes";
            return std::nullopt;
        }
        JsonValue value;
        skipSpace();
        if (parseValue(value, 0)) {
            skipSpace();
            if (pos_ == text_.size()) return value;
            fail("unexpected text after the JSON value");
        }
        error = error_;
        return std::nullopt;
    }

private:
    bool fail(const std::string& what) {
        if (!error_.empty()) return false;
        std::size_t line = 1, col = 1;
        for (std::size_t i = 0; i < pos_ && i < text_.size(); ++i) {
            if (text_[i] == '\n') ++line, col = 1;
            else ++col;
        }
        error_ = "JSON error at line " + std::to_string(line) + ", column " + std::to_string(col) + ": " + what;
        return false;
    }

    void skipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return fail("unknown literal");
        pos_ += word.size();
        return true;
    }

    bool parseValue(JsonValue& out, int depth) {
        if (depth > limits_.maxDepth) return fail("nesting deeper than " + std::to_string(limits_.maxDepth));
        if (pos_ >= text_.size()) return fail("unexpected end of text");
        const char c = text_[pos_];
        switch (c) {
            case '{': return parseObject(out, depth);
            case '[': return parseArray(out, depth);
            case '"': {
                std::string s;
                if (!parseString(s)) return false;
                out = JsonValue(std::move(s));
                return true;
            }
            case 't': out = JsonValue(true); return literal("true");
            case 'f': out = JsonValue(false); return literal("false");
            case 'n': out = JsonValue(); return literal("null");
            default:
                if (c == '-' || (c >= '0' && c <= '9')) return parseNumber(out);
                return fail(std::string("unexpected character '") + c + "'");
        }
    }

    bool parseObject(JsonValue& out, int depth) {
        ++pos_;
        out = JsonValue::object();
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == '}') return ++pos_, true;
        for (;;) {
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] != '"') return fail("expected a member name in quotes");
            std::string key;
            if (!parseString(key)) return false;
            if (out.find(key)) return fail("member \"" + key + "\" appears twice");
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] != ':') return fail("expected ':' after a member name");
            ++pos_;
            skipSpace();
            JsonValue value;
            if (!parseValue(value, depth + 1)) return false;
            out.asObject().emplace_back(std::move(key), std::move(value));
            skipSpace();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == '}') return ++pos_, true;
            return fail("expected ',' or '}' in an object");
        }
    }

    bool parseArray(JsonValue& out, int depth) {
        ++pos_;
        out = JsonValue::array();
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == ']') return ++pos_, true;
        for (;;) {
            skipSpace();
            JsonValue value;
            if (!parseValue(value, depth + 1)) return false;
            out.push(std::move(value));
            skipSpace();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == ']') return ++pos_, true;
            return fail("expected ',' or ']' in an array");
        }
    }

    bool hex4(std::uint32_t& v) {
        if (pos_ + 4 > text_.size()) return fail("short \\u escape");
        v = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = text_[pos_++];
            v <<= 4;
            if (h >= '0' && h <= '9') v |= h - '0';
            else if (h >= 'a' && h <= 'f') v |= h - 'a' + 10;
            else if (h >= 'A' && h <= 'F') v |= h - 'A' + 10;
            else return fail("bad hex digit in \\u escape");
        }
        return true;
    }

    bool parseString(std::string& out) {
        ++pos_;  // opening quote
        const std::size_t start = pos_;
        for (;;) {
            if (pos_ >= text_.size()) return fail("unterminated string");
            const auto c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"') break;
            if (c < 0x20) return fail("control character in a string");
            if (c != '\\') {
                out.push_back(static_cast<char>(c));
                ++pos_;
                continue;
            }
            ++pos_;
            if (pos_ >= text_.size()) return fail("unterminated escape");
            const char e = text_[pos_++];
            switch (e) {
                case '"': out.push_back('"'); break;
                case '\\': out.push_back('\\'); break;
                case '/': out.push_back('/'); break;
                case 'b': out.push_back('\b'); break;
                case 'f': out.push_back('\f'); break;
                case 'n': out.push_back('\n'); break;
                case 'r': out.push_back('\r'); break;
                case 't': out.push_back('\t'); break;
                case 'u': {
                    std::uint32_t cp = 0;
                    if (!hex4(cp)) return false;
                    if (cp >= 0xDC00 && cp <= 0xDFFF) return fail("lone low surrogate in \\u escape");
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        std::uint32_t low = 0;
                        if (text_.substr(pos_, 2) != "\\u") return fail("high surrogate without its low half");
                        pos_ += 2;
                        if (!hex4(low)) return false;
                        if (low < 0xDC00 || low > 0xDFFF) return fail("high surrogate without its low half");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    }
                    utf8Append(out, cp);
                    break;
                }
                default: return fail(std::string("unknown escape \\") + e);
            }
        }
        ++pos_;  // closing quote
        if (!utf8Valid(out)) {
            pos_ = start;
            return fail("string is not valid UTF-8");
        }
        return true;
    }

    bool parseNumber(JsonValue& out) {
        const std::size_t start = pos_;
        auto digits = [&] {
            std::size_t n = 0;
            while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_, ++n;
            return n;
        };
        if (text_[pos_] == '-') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '0') {
            ++pos_;
        } else if (digits() == 0) {
            return fail("bad number");
        }
        bool integral = true;
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            integral = false;
            if (digits() == 0) return fail("bad number: no digits after '.'");
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            integral = false;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (digits() == 0) return fail("bad number: no digits in the exponent");
        }
        const std::string literal(text_.substr(start, pos_ - start));
        errno = 0;
        if (integral) {
            const long long v = std::strtoll(literal.c_str(), nullptr, 10);
            if (errno == ERANGE) {
                pos_ = start;
                return fail("integer too large: " + literal);
            }
            out = JsonValue(static_cast<std::int64_t>(v));
        } else {
            const double d = std::strtod(literal.c_str(), nullptr);
            if (!std::isfinite(d)) {
                pos_ = start;
                return fail("number out of range: " + literal);
            }
            out = JsonValue(d);
        }
        return true;
    }

    std::string_view text_;
    JsonLimits limits_;
    std::size_t pos_ = 0;
    std::string error_;
};

void writeString(std::string& out, const std::string& s) {
    out.push_back('"');
    for (unsigned char c : s) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out.push_back(static_cast<char>(c));
                }
        }
    }
    out.push_back('"');
}

bool scalarsOnly(const JsonValue& v) {
    if (v.isArray()) {
        for (auto& e : v.asArray())
            if (e.isArray() || e.isObject()) return false;
    } else if (v.isObject()) {
        for (auto& m : v.asObject())
            if (m.second.isArray() || m.second.isObject()) return false;
    }
    return true;
}

// One line for an array of scalars, and for an object whose members are scalars or
// arrays of scalars (a control's state); everything else one member per line.
bool oneLine(const JsonValue& v) {
    if (v.isObject()) {
        for (auto& m : v.asObject())
            if (m.second.isObject() || (m.second.isArray() && !scalarsOnly(m.second))) return false;
        return true;
    }
    return scalarsOnly(v);
}

void write(std::string& out, const JsonValue& v, int indent) {
    switch (v.type()) {
        case JsonValue::Type::Null: out += "null"; return;
        case JsonValue::Type::Bool: out += v.asBool() ? "true" : "false"; return;
        case JsonValue::Type::Integer: out += std::to_string(v.asInteger()); return;
        case JsonValue::Type::Real: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.17g", v.asReal());
            out += buf;
            // A whole number ("2", "-0") would read back as an integer.
            if (std::string_view(buf).find_first_of(".e") == std::string_view::npos) out += ".0";
            return;
        }
        case JsonValue::Type::String: writeString(out, v.asString()); return;
        case JsonValue::Type::Array:
        case JsonValue::Type::Object: break;
    }
    const bool isArray = v.isArray();
    const std::size_t n = isArray ? v.asArray().size() : v.asObject().size();
    const char open = isArray ? '[' : '{', close = isArray ? ']' : '}';
    if (n == 0) {
        out.push_back(open);
        out.push_back(close);
        return;
    }
    const bool compact = oneLine(v);
    const std::string pad(static_cast<std::size_t>(indent + 1) * 2, ' ');
    out.push_back(open);
    for (std::size_t i = 0; i < n; ++i) {
        if (i) out.push_back(',');
        if (compact) {
            if (i) out.push_back(' ');
        } else {
            out.push_back('\n');
            out += pad;
        }
        if (isArray) {
            write(out, v.asArray()[i], indent + 1);
        } else {
            writeString(out, v.asObject()[i].first);
            out += ": ";
            write(out, v.asObject()[i].second, indent + 1);
        }
    }
    if (!compact) {
        out.push_back('\n');
        out += std::string(static_cast<std::size_t>(indent) * 2, ' ');
    }
    out.push_back(close);
}

}  // namespace

std::optional<JsonValue> parseJson(std::string_view text, std::string& error, JsonLimits limits) {
    return Parser(text, limits).run(error);
}

std::string writeJson(const JsonValue& value) {
    std::string out;
    write(out, value, 0);
    out.push_back('\n');
    return out;
}

}  // namespace vardeck::controls
