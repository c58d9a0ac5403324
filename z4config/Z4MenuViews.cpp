#include "z4config/Z4MenuViews.h"

#include "z4config/Cp1250.h"
#include "z4config/ProfileFiles.h"
#include "z4config/Z4Editor.h"
#include "controls/Utf8.h"

namespace vardeck::z4config {

WiringViewTexts wiringViewTexts(int deviceType, int brandCode) {
    WiringViewTexts texts;
    const char* relabel = brandCode == 40 ? "K-VEX" : brandCode == 41 ? "TORVEL" : nullptr;
    switch (deviceType) {
        case kTypeZ4: texts.caption = "Z-4"; break;
        case kTypeTrix: texts.caption = relabel ? relabel : "T-RIX"; break;
        case kTypeZ1:
            texts.caption = "Z-1";
            texts.secondPictureVisible = false;
            break;
        case kTypeGps: texts.caption = "Z-GPS"; break;
        default: break;
    }
    if (relabel) texts.tabSheet4Caption = relabel;
    return texts;
}

std::string installerDescription(int deviceType) {
    std::string text =
        "Csatlakozók\n"
        "\n"
        "+12V, GND: tápfeszültség. A GND a bemenetek és a kimenetek közös pontja.\n";
    if (deviceType == kTypeCid) {
        text +=
            "TIP, RING: a riasztóközpont telefonos kommunikátorának vonala. A modul vonalat ad a központnak, "
            "fogadja a Contact ID üzeneteket, és GSM-en továbbítja őket.\n";
    } else {
        text += deviceType == kTypeZ1 ? "BE1, BE2: bemenetek. " : "BE1 - BE4: bemenetek. ";
        text +=
            "A bemenet a GND-hez képest működik; az \"Invertált működés\" a nyugalmi állapotot fordítja meg.\n"
            "TAMPER: szabotázs bemenet, a doboz fedelének kapcsolója.\n";
        text += deviceType == kTypeZ1 ? "KI1: kimenet.\n"
                                      : "KI1, KI2: kimenetek.\n";
    }
    text += "ANT: GSM antenna. Az antennát a fém dobozon kívül, a tápvezetéktől távol helyezze el.\n";
    if (deviceType == kTypeGps) text += "GPS: GPS antenna, szabad égbolt felé fordítva.\n";
    text +=
        "\n"
        "Bekötés\n"
        "\n"
        "1. A SIM kártyát feszültségmentes állapotban helyezze be; a PIN kód kérését kapcsolja ki.\n"
        "2. Kösse be az antennát, majd a bemeneteket és a kimeneteket.\n"
        "3. Utoljára kapcsolja rá a tápfeszültséget.\n"
        "4. Csatlakoztassa a programozó kábelt, és olvassa ki a modul beállításait.\n";
    return text;
}

namespace {

// The bytes as UTF-8 when they are UTF-8 (a sequence cut at the read limit does not
// count against that), else as code page 1250, the encoding of older text files.
std::string decodeText(std::string_view bytes, bool truncated) {
    for (std::size_t cut = 0; cut <= (truncated ? 3u : 0u) && cut <= bytes.size(); ++cut) {
        const std::string_view head = bytes.substr(0, bytes.size() - cut);
        if (controls::utf8Valid(head)) return std::string(head);
    }
    return cp1250ToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Lines end with "\n"; tabs stay; every other control character becomes '?'.
std::string sanitise(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    const std::u32string chars = controls::utf8Decode(text);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        char32_t c = chars[i];
        if (c == U'\r') {
            if (i + 1 < chars.size() && chars[i + 1] == U'\n') continue;
            c = U'\n';
        } else if (c != U'\n' && c != U'\t' && (c < 0x20 || (c >= 0x7F && c < 0xA0))) {
            c = U'?';
        }
        controls::utf8Append(out, c);
    }
    return out;
}

}  // namespace

std::string contactText(const std::string& path, const MessageLookup& messages) {
    const FileBytes file = readFileBounded(path, kContactMaxBytes);
    if (!file.ok) return {};
    const std::string_view bytes(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    const bool binary = bytes.find('\0') != std::string_view::npos;
    std::string text = sanitise(decodeText(bytes, file.truncated));
    auto note = [&](const char* key) {
        if (!text.empty() && text.back() != '\n') text += '\n';
        text += lookUp(messages, key);
    };
    if (binary) note(kContactNotTextNote);
    if (file.truncated) note(kContactTruncatedNote);
    return text;
}

}  // namespace vardeck::z4config
