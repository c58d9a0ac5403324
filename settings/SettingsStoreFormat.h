#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vardeck::settings {

// The text form of the settings tree: an INI-like file, one section a key path,
// one "name=value" line a value.
//
//   ; comment
//   [\software\GSM\TRIX]
//   comport=\\.\COM12
//   company=*Alarm Kft.
//
// Bytes that would break a line apart or be misread are written as "%" and two hex
// digits: "%" itself, control bytes (newline, CR, tab ...), bytes that are not part
// of valid UTF-8, leading and trailing blanks, in names also "=" and a leading "[",
// ";" or "#", in section headers "]". Everything else, backslashes and UTF-8 text
// included, is written as it is, so the file stays readable and editable by hand.
// On reading, blanks around names and values are ignored and a "%" not followed by
// two hex digits is taken literally.
//
// Key paths and value names are matched without regard to ASCII letter case, as the
// Windows registry does; they keep the case they were first written with. Empty
// parts of a key path are ignored ("\a\\b\" is the key "\a\b").
//
// Lines the reader does not understand (comments, junk, a value line outside any
// valid section) are kept as they are when the file is written again, so that a
// hand-edited or damaged file never loses more than the value being replaced.

std::string escapeValue(std::string_view text);
std::string escapeName(std::string_view name);
std::string unescape(std::string_view text);

// "\a\b" for any spelling of the key path ("a\b", "\a\\b\"); "\" for the root.
std::string canonicalKeyPath(std::string_view keyPath);
bool sameIgnoringAsciiCase(std::string_view a, std::string_view b);

struct NamedValue {
    std::string name;
    std::string value;
};

class SettingsDocument {
public:
    static SettingsDocument parse(std::string_view text);

    // False when the text does not look like a settings file at all (it holds a NUL
    // byte, or has content but no section header): such a file is not rewritten.
    bool looksLikeSettings() const { return looksLikeSettings_; }

    std::optional<std::string> get(std::string_view keyPath, std::string_view name) const;
    // The values of one key in file order; a name given twice is listed once.
    std::vector<NamedValue> values(std::string_view keyPath) const;
    void set(std::string_view keyPath, std::string_view name, std::string_view value);

    std::string serialize() const;

private:
    enum class Kind { Other, Section, Value };
    struct Line {
        Kind kind = Kind::Other;
        std::string raw;    // the text written back
        std::string key;    // Section and Value: canonical key path
        std::string name;   // Value
        std::string value;  // Value
    };
    static Line parseLine(std::string_view raw, const std::optional<std::string>& section);
    static Line valueLine(std::string key, std::string_view name, std::string_view value);

    std::vector<Line> lines_;
    bool looksLikeSettings_ = true;
};

}  // namespace vardeck::settings
