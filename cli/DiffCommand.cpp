// vardeck-cli diff: two configurations (images or profiles) compared control by
// control, as the editor shows them.
#include <iostream>
#include <memory>
#include <string>

#include "cli/CliCommand.h"
#include "i18n/TextTable.h"
#include "shell/Brand.h"
#include "z4config/ImageBinding.h"
#include "z4config/ProfileFiles.h"
#include "z4config/ProfileFormat.h"
#include "z4config/Z4Editor.h"
#include "z4config/controls/ControlJson.h"
#include "z4config/controls/Json.h"

namespace vardeck::cli {
namespace {

using z4config::Image;
using z4config::Z4Editor;

constexpr const char* kDiffUsage =
    "  diff A B --type CODE [--firmware N] [--lang hu|en|de|sl]\n"
    "                                          compare two configurations (8192-byte images or\n"
    "                                          profiles) control by control: one line per control\n"
    "                                          that differs, with its name, its caption in the\n"
    "                                          language, the value in A and the value in B; exits 0\n"
    "                                          when they are equal, 1 when they differ and 2 on\n"
    "                                          trouble, as diff does (other commands use 1 for bad\n"
    "                                          input)";

constexpr int kEqual = 0, kDifferent = 1, kTrouble = 2;
constexpr std::size_t kMaxFile = 8960;

struct Trouble {
    std::string message;
};

// The image an 8192-byte file holds, or the image bytes of a profile for the type.
Image readConfiguration(const std::string& path, int type) {
    const z4config::FileBytes file = z4config::readFileBounded(path, kMaxFile + 1);
    if (!file.ok) throw Trouble{path + ": " + file.error};
    Image image{};
    if (file.bytes.size() == image.size()) {
        std::copy(file.bytes.begin(), file.bytes.end(), image.begin());
        return image;
    }
    const z4config::ProfileRead profile = z4config::readProfile(file.bytes, type);
    if (!profile.content) {
        throw Trouble{path + ": " + std::to_string(file.bytes.size()) + " bytes; an image has 8192 bytes, a profile " +
                      "1792 or 8960 (or the image bytes of type " + std::to_string(type) +
                      " and a customer record)"};
    }
    std::copy(profile.content->imageBytes.begin(), profile.content->imageBytes.end(), image.begin());
    return image;
}

std::unique_ptr<Z4Editor> decoded(const Image& image, int type, std::optional<int> firmware) {
    auto editor = std::make_unique<Z4Editor>(type);
    editor->setUpForDeviceType(type);
    Image copy = image;
    z4config::decodeImage(copy, *editor);
    editor->adaptToFirmware(firmware.value_or(editor->firmwareVersion()), brandCode());
    return editor;
}

// The control's caption in the language: its text-table row (copy rows follow their
// source), else the design caption.
std::string caption(const controls::Control& c, i18n::Language language) {
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

std::string oneLine(const controls::JsonValue& value) {
    std::string text = controls::writeJson(value);
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

std::optional<i18n::Language> languageByName(const std::string& name) {
    if (name == "hu") return i18n::Language::Hungarian;
    if (name == "en") return i18n::Language::English;
    if (name == "de") return i18n::Language::German;
    if (name == "sl") return i18n::Language::Slovenian;
    return std::nullopt;
}

int runDiff(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    std::optional<int> type, firmware;
    i18n::Language language = i18n::Language::Hungarian;
    try {
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a.rfind("--", 0) != 0) {
                files.push_back(a);
                continue;
            }
            if (i + 1 >= args.size()) throw Trouble{a + " needs a value"};
            const std::string& v = args[++i];
            if (a == "--type") {
                type = std::stoi(v);
            } else if (a == "--firmware") {
                firmware = std::stoi(v);
            } else if (a == "--lang") {
                auto l = languageByName(v);
                if (!l) throw Trouble{"--lang is hu, en, de or sl"};
                language = *l;
            } else {
                throw Trouble{"unknown option \"" + a + "\""};
            }
        }
        if (files.size() != 2) throw Trouble{"expected two files"};
        if (!type || (*type != 70 && *type != 71 && *type != 80 && *type != 90 && *type != 100))
            throw Trouble{"--type must be 70, 71, 80, 90 or 100"};
        const auto a = decoded(readConfiguration(files[0], *type), *type, firmware);
        const auto b = decoded(readConfiguration(files[1], *type), *type, firmware);
        int differences = 0;
        for (const controls::Control* ca : a->controls().all()) {
            if (ca->kind() == controls::ControlKind::Grid) continue;
            const controls::Control* cb = b->controls().find(ca->name());
            if (!cb) continue;
            const std::string va = oneLine(controls::controlToJson(*ca));
            const std::string vb = oneLine(controls::controlToJson(*cb));
            if (va == vb) continue;
            ++differences;
            std::cout << ca->name() << "\t" << caption(*ca, language) << "\t" << va << "\t" << vb << "\n";
        }
        return differences == 0 ? kEqual : kDifferent;
    } catch (const Trouble& t) {
        std::cerr << "vardeck-cli diff: " << t.message << "\n" << kDiffUsage << "\n";
        return kTrouble;
    } catch (const std::exception&) {
        std::cerr << "vardeck-cli diff: a number was expected\n" << kDiffUsage << "\n";
        return kTrouble;
    }
}

CliRegistrar diffCommand("diff", kDiffUsage, runDiff);

}  // namespace
}  // namespace vardeck::cli
