#include "settings/SettingsStoreFormat.h"

#include <algorithm>

namespace vardeck::settings {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Length of the well-formed UTF-8 sequence starting at s[i], or 0 when the byte
// there does not start one (stray continuation byte, overlong form, surrogate,
// code point past U+10FFFF, cut-off sequence).
size_t utf8SequenceLength(std::string_view s, size_t i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b0 = byte(i);
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (b0 < 0x80) return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0) low = 0xA0;
        if (b0 == 0xED) high = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0) low = 0x90;
        if (b0 == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return length;
}

void appendEscaped(std::string& out, unsigned char b) {
    out += '%';
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 0x0F];
}

// Escapes what breaks a line, the "%" itself, invalid UTF-8, blanks at either end,
// and every byte listed in `special` (anywhere) or `specialFirst` (first byte only).
std::string escape(std::string_view text, std::string_view special, std::string_view specialFirst) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        bool atEdge = i == 0 || i + 1 == text.size();
        if (b < 0x20 || b == 0x7F || b == '%' || special.find(char(b)) != std::string_view::npos ||
            (i == 0 && specialFirst.find(char(b)) != std::string_view::npos) || (atEdge && b == ' ')) {
            appendEscaped(out, b);
            ++i;
            continue;
        }
        size_t n = utf8SequenceLength(text, i);
        if (n == 0) {
            appendEscaped(out, b);
            ++i;
            continue;
        }
        out.append(text.substr(i, n));
        i += n;
    }
    return out;
}

// Calls fn with each line of the text, without its line end.
template <typename Fn>
void forEachLine(std::string_view text, Fn fn) {
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        // Every CR at the end belongs to the line end ("\r\r\n" is left by editors that
        // converted line ends twice): a CR kept in the line would be read once as part
        // of the value and, after the next save wrote the line back, no more.
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        fn(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

size_t lineCount(std::string_view text) {
    if (text.empty()) return 0;
    const size_t ends = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    return text.back() == '\n' ? ends : ends + 1;
}

}  // namespace

std::string escapeValue(std::string_view text) { return escape(text, "", ""); }

std::string escapeName(std::string_view name) { return escape(name, "=", "[;#"); }

std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        // Everything up to the next "%" is taken as it is, in one piece.
        const size_t percent = std::min(text.find('%', i), text.size());
        out.append(text.substr(i, percent - i));
        i = percent;
        if (i == text.size()) break;
        if (i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 3;
        } else {
            out += '%';
            ++i;
        }
    }
    return out;
}

std::string canonicalKeyPath(std::string_view keyPath) {
    std::string out;
    while (!keyPath.empty()) {
        size_t end = keyPath.find('\\');
        std::string_view part = keyPath.substr(0, end);
        if (!part.empty()) {
            out += '\\';
            out.append(part);
        }
        if (end == std::string_view::npos) break;
        keyPath.remove_prefix(end + 1);
    }
    return out.empty() ? std::string("\\") : out;
}

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

SettingsDocument SettingsDocument::parse(std::string_view text) {
    SettingsDocument doc;
    // Byte order marks left by editors, one by each that saved the file: the file is
    // written back without them, so all go, or the next read would see another first line.
    while (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    bool hasContent = false, hasSection = false;
    std::optional<std::string> section;  // the key of the lines that follow; none after a broken header
    doc.lines_.reserve(lineCount(text));
    forEachLine(text, [&](std::string_view raw) {
        Line line = parseLine(raw, section);
        std::string_view content = trimBlanks(raw);
        if (line.kind == Kind::Section) {
            section = line.key;
            hasSection = true;
        } else if (!content.empty() && content[0] == '[') {
            section.reset();  // values under a header we could not read belong to no known key
        }
        if (!content.empty() && content[0] != ';' && content[0] != '#') hasContent = true;
        doc.lines_.push_back(std::move(line));
    });
    doc.looksLikeSettings_ = text.find('\0') == std::string_view::npos && (hasSection || !hasContent);
    return doc;
}

SettingsDocument::Line SettingsDocument::parseLine(std::string_view raw, const std::optional<std::string>& section) {
    Line line;
    line.raw = std::string(raw);
    std::string_view content = trimBlanks(raw);
    if (content.empty() || content[0] == ';' || content[0] == '#') return line;
    if (content[0] == '[') {
        size_t close = content.find(']');
        if (close != std::string_view::npos && trimBlanks(content.substr(close + 1)).empty() &&
            raw.find('\0') == std::string_view::npos) {
            line.kind = Kind::Section;
            line.key = canonicalKeyPath(unescape(content.substr(1, close - 1)));
        }
        return line;
    }
    size_t eq = content.find('=');
    if (eq == std::string_view::npos || !section || raw.find('\0') != std::string_view::npos) return line;
    line.kind = Kind::Value;
    line.key = *section;
    line.name = unescape(trimBlanks(content.substr(0, eq)));
    line.value = unescape(trimBlanks(content.substr(eq + 1)));
    return line;
}

SettingsDocument::Line SettingsDocument::valueLine(std::string key, std::string_view name, std::string_view value) {
    Line line;
    line.kind = Kind::Value;
    line.key = std::move(key);
    line.name = std::string(name);
    line.value = std::string(value);
    line.raw = escapeName(name) + "=" + escapeValue(value);
    return line;
}

std::optional<std::string> SettingsDocument::get(std::string_view keyPath, std::string_view name) const {
    std::string key = canonicalKeyPath(keyPath);
    for (const Line& line : lines_) {
        if (line.kind == Kind::Value && sameIgnoringAsciiCase(line.key, key) && sameIgnoringAsciiCase(line.name, name)) {
            return line.value;
        }
    }
    return std::nullopt;
}

std::vector<NamedValue> SettingsDocument::values(std::string_view keyPath) const {
    std::string key = canonicalKeyPath(keyPath);
    std::vector<NamedValue> out;
    for (const Line& line : lines_) {
        if (line.kind != Kind::Value || !sameIgnoringAsciiCase(line.key, key)) continue;
        bool seen = std::any_of(out.begin(), out.end(),
                                [&](const NamedValue& v) { return sameIgnoringAsciiCase(v.name, line.name); });
        if (!seen) out.push_back({line.name, line.value});
    }
    return out;
}

void SettingsDocument::set(std::string_view keyPath, std::string_view name, std::string_view value) {
    std::string key = canonicalKeyPath(keyPath);
    // The first line holding the value is the one every reader sees: replace it,
    // keeping the name's stored spelling.
    for (Line& line : lines_) {
        if (line.kind == Kind::Value && sameIgnoringAsciiCase(line.key, key) && sameIgnoringAsciiCase(line.name, name)) {
            line = valueLine(line.key, line.name, value);
            return;
        }
    }
    // A new value goes to the end of the key's first section, after its last value.
    auto header = std::find_if(lines_.begin(), lines_.end(), [&](const Line& line) {
        return line.kind == Kind::Section && sameIgnoringAsciiCase(line.key, key);
    });
    if (header != lines_.end()) {
        auto insertAt = header + 1;
        for (auto it = header + 1; it != lines_.end() && it->kind != Kind::Section; ++it) {
            if (it->kind == Kind::Value) insertAt = it + 1;
        }
        lines_.insert(insertAt, valueLine(header->key, name, value));
        return;
    }
    if (!lines_.empty() && !trimBlanks(lines_.back().raw).empty()) lines_.push_back(Line{});
    Line section;
    section.kind = Kind::Section;
    section.key = key;
    section.raw = "[" + escape(key, "]", "") + "]";
    lines_.push_back(std::move(section));
    lines_.push_back(valueLine(key, name, value));
}

std::string SettingsDocument::serialize() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += '\n';
    }
    return out;
}

}  // namespace vardeck::settings
