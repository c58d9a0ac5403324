#include "controls/Utf8.h"

namespace vardeck::controls {
namespace {

// Decodes one sequence at text[pos]; returns the code point and sets len to the bytes
// it used (1 for an invalid byte, which yields U+FFFD).
char32_t decodeOne(std::string_view text, std::size_t pos, std::size_t& len) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    len = 1;
    if (b0 < 0x80) return b0;
    std::size_t need;
    char32_t c;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        need = 1, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        need = 2, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        need = 3, c = b0 & 0x07, min = 0x10000;
    } else {
        return kReplacementChar;
    }
    if (pos + need >= text.size()) return kReplacementChar;  // sequence cut off by the end
    for (std::size_t i = 1; i <= need; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80) return kReplacementChar;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacementChar;
    len = need + 1;
    return c;
}

}  // namespace

std::u32string utf8Decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t len;
        out.push_back(decodeOne(text, pos, len));
        pos += len;
    }
    return out;
}

void utf8Append(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacementChar;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string utf8Encode(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) utf8Append(out, c);
    return out;
}

bool utf8Valid(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t len;
        if (decodeOne(text, pos, len) == kReplacementChar && len == 1) return false;
        pos += len;
    }
    return true;
}

std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < text.size(); ++n) {
        std::size_t len;
        decodeOne(text, pos, len);
        pos += len;
    }
    return n;
}

std::string utf8Left(std::string_view text, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < n && pos < text.size(); ++i) {
        std::size_t len;
        decodeOne(text, pos, len);
        pos += len;
    }
    return std::string(text.substr(0, pos));
}

}  // namespace vardeck::controls
