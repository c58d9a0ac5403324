// vardeck-cli diff: two configurations (images or profiles) compared control by
// control, as the editor shows them.
#include <iostream>
#include <memory>
#include <string>

#include "cli/CliCommand.h"
#include "brand/Brand.h"
#include "z4screen/ConfigurationDiff.h"

namespace vardeck::cli {
namespace {

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

struct Trouble {
    std::string message;
};

std::unique_ptr<Z4Editor> decodedFile(const std::string& path, int type, std::optional<int> firmware) {
    std::string reason;
    auto image = z4screen::readConfigurationFile(path, type, reason);
    if (!image) throw Trouble{reason};
    auto editor = std::make_unique<Z4Editor>(type);
    editor->setUpForDeviceType(type);
    z4config::decodeImage(*image, *editor);
    editor->adaptToFirmware(firmware.value_or(editor->firmwareVersion()), brandCode());
    return editor;
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
        const auto a = decodedFile(files[0], *type, firmware);
        const auto b = decodedFile(files[1], *type, firmware);
        const auto differences = z4screen::diffEditors(*a, *b, language);
        for (const auto& d : differences)
            std::cout << d.name << "\t" << d.caption << "\t" << d.valueA << "\t" << d.valueB << "\n";
        return differences.empty() ? kEqual : kDifferent;
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
