#include "z4screen/ConfigurationDiff.h"

#include "i18n/TextTable.h"
#include "z4config/ProfileFiles.h"
#include "z4config/ProfileFormat.h"
#include "controls/ControlJson.h"
#include "controls/Json.h"

namespace vardeck::z4screen {
namespace {

constexpr std::size_t kMaxFile = 8960;

// A control's state on one line, as a list shows it.
std::string oneLine(const controls::JsonValue& value) {
    const std::string text = controls::writeJson(value);
    std::string out;
    bool space = false;
    for (char ch : text) {
        if (ch == '\n' || ch == ' ') {
            space = !out.empty();
            continue;
        }
        if (space && out.back() != '{' && out.back() != '[' && ch != '}' && ch != ']') out += ' ';
        space = false;
        out += ch;
    }
    return out;
}

}  // namespace

std::optional<z4config::Image> readConfigurationFile(const std::string& path, int type, std::string& reason) {
    const z4config::FileBytes file = z4config::readFileBounded(path, kMaxFile + 1);
    if (!file.ok) {
        reason = path + ": " + file.error;
        return std::nullopt;
    }
    z4config::Image image{};
    if (file.bytes.size() == image.size()) {
        std::copy(file.bytes.begin(), file.bytes.end(), image.begin());
        return image;
    }
    const z4config::ProfileRead profile = z4config::readProfile(file.bytes, type);
    if (!profile.content) {
        reason = path + ": " + std::to_string(file.bytes.size()) +
                 " bytes; an image has 8192 bytes, a profile 1792 or 8960 (or the image bytes of type " +
                 std::to_string(type) + " and a customer record)";
        return std::nullopt;
    }
    std::copy(profile.content->imageBytes.begin(), profile.content->imageBytes.end(), image.begin());
    return image;
}

std::string captionIn(const controls::Control& c, i18n::Language language) {
    std::string_view name = c.name();
    for (int hops = 0; hops < 4; ++hops) {
        const i18n::TextRow* found = nullptr;
        for (const i18n::TextRow& row : i18n::textTable()) {
            if (row.target.screen == i18n::Screen::Configurator && row.target.kind == i18n::TargetKind::Caption &&
                row.target.control == name)
                found = &row;
        }
        if (!found) break;
        if (found->isCopy()) {
            name = found->copyOf->control;
            continue;
        }
        if (found->hasText(language)) return std::string(found->text(language));
        break;
    }
    return c.caption();
}

std::vector<ControlDifference> diffEditors(const z4config::Z4Editor& a, const z4config::Z4Editor& b,
                                           i18n::Language language) {
    std::vector<ControlDifference> out;
    for (const controls::Control* ca : a.controls().all()) {
        if (ca->kind() == controls::ControlKind::Grid) continue;
        const controls::Control* cb = b.controls().find(ca->name());
        if (!cb) continue;
        std::string va = oneLine(controls::controlToJson(*ca));
        std::string vb = oneLine(controls::controlToJson(*cb));
        if (va != vb) out.push_back({ca->name(), captionIn(*ca, language), std::move(va), std::move(vb)});
    }
    return out;
}

}  // namespace vardeck::z4screen
