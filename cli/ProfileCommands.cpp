// vardeck-cli profile show / make: profile files (a module's settings with the customer
// record) as JSON, and profiles made from JSON, for installers' scripts.
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>

#include "cli/CliCommand.h"
#include "brand/Brand.h"
#include "settings/Settings.h"
#include "z4config/ImageBinding.h"
#include "z4config/ProfileFiles.h"
#include "z4config/ProfileJson.h"
#include "z4config/Z4ProfileMenu.h"
#include "controls/Json.h"

namespace vardeck::cli {
namespace {

using namespace z4config;

constexpr const char* kUsage =
    "  profile show FILE --type CODE [--firmware N]\n"
    "                                          print the profile FILE (\"*.dat\") as the device type\n"
    "                                          CODE reads it (70, 71, 80, 90, 100): the JSON of\n"
    "                                          decode, plus \"customer\": {\"Edit2\" ... \"Edit7\"}\n"
    "  profile make JSON --type CODE [--base FILE] [--firmware N] [--company TEXT] --out FILE\n"
    "                                          apply JSON (the shape profile show prints, any\n"
    "                                          subset) over the profile --base, or over the editor's\n"
    "                                          defaults, and save it as the program does: empty\n"
    "                                          customer fields become one space; --out is replaced\n"
    "                                          only by a complete file";

constexpr std::size_t kMaxJsonBytes = 16u << 20;

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--type" -> "71"
};

int usageError(const std::string& message) {
    std::cerr << "vardeck-cli profile: " << message << "\n" << kUsage << "\n";
    return 2;
}

int failure(const std::string& message) {
    std::cerr << "vardeck-cli profile: " << message << "\n";
    return 1;
}

std::optional<Arguments> parse(const std::vector<std::string>& args, std::initializer_list<const char*> known, std::string& error) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) != 0) {
            parsed.positional.push_back(args[i]);
            continue;
        }
        if (std::find_if(known.begin(), known.end(), [&](const char* k) { return args[i] == k; }) == known.end()) {
            error = "unknown option " + args[i];
            return std::nullopt;
        }
        if (i + 1 == args.size()) {
            error = args[i] + " needs a value";
            return std::nullopt;
        }
        parsed.options[args[i]] = args[i + 1];
        ++i;
    }
    return parsed;
}

std::optional<int> number(const std::string& text, int max) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const int value = std::stoi(text);
    return value <= max ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> deviceType(const Arguments& a, std::string& error) {
    const auto it = a.options.find("--type");
    if (it == a.options.end()) {
        error = "--type CODE is required";
        return std::nullopt;
    }
    const std::optional<int> code = number(it->second, 255);
    for (int known : {kTypeZ4, kTypeTrix, kTypeZ1, kTypeGps, kTypeCid})
        if (code == known) return code;
    error = "unknown device type \"" + it->second + "\" (70, 71, 80, 90 or 100)";
    return std::nullopt;
}

// Reads a profile as the program's "Megnyitás" does, into an image whose other bytes
// are erased memory (0xFF).
std::string loadProfile(const std::string& path, Z4Editor& editor, Image& image) {
    const ProfileLoad load = loadProfileFile(path, editor, image);
    switch (load.outcome) {
        case ProfileLoad::Outcome::Loaded: return {};
        case ProfileLoad::Outcome::Unreadable: return "cannot read \"" + path + "\": " + load.reason;
        case ProfileLoad::Outcome::TooLong: return "\"" + path + "\" is longer than any profile (8960 bytes)";
        case ProfileLoad::Outcome::TooShort: break;
    }
    return "\"" + path + "\" holds " + std::to_string(load.fileSize) + " bytes; device type " +
           std::to_string(editor.deviceType()) + " needs a profile of at least " + std::to_string(load.neededSize);
}

// The firmware version the editor adapts to after the decode: the one given, or none
// for the image's own; false when the option holds no version.
bool firmwareOption(const Arguments& a, std::optional<int>& version, std::string& error) {
    const auto it = a.options.find("--firmware");
    if (it == a.options.end()) return true;
    version = number(it->second, 255);
    if (!version) error = "firmware version \"" + it->second + "\" is not a number from 0 to 255";
    return version.has_value();
}

void adaptFirmware(const std::optional<int>& given, Z4Editor& editor) {
    editor.adaptToFirmware(given ? *given : editor.firmwareVersion(), brandCode());
}

int runShow(const std::vector<std::string>& args) {
    std::string error;
    const auto a = parse(args, {"--type", "--firmware"}, error);
    if (!a) return usageError(error);
    if (a->positional.size() != 1) return usageError("expected one profile FILE");
    const auto type = deviceType(*a, error);
    if (!type) return usageError(error);
    std::optional<int> firmware;
    if (!firmwareOption(*a, firmware, error)) return usageError(error);

    Z4Editor editor;
    editor.setUpForDeviceType(*type);
    Image image;
    image.fill(kEnd);
    if (error = loadProfile(a->positional[0], editor, image); !error.empty()) return failure(error);
    adaptFirmware(firmware, editor);
    std::cout << controls::writeJson(profileToJson(editor));
    return std::cout ? 0 : 1;
}

int runMake(const std::vector<std::string>& args) {
    std::string error;
    const auto a = parse(args, {"--type", "--firmware", "--base", "--company", "--out"}, error);
    if (!a) return usageError(error);
    if (a->positional.size() != 1) return usageError("expected one JSON file");
    const auto type = deviceType(*a, error);
    if (!type) return usageError(error);
    const auto out = a->options.find("--out");
    if (out == a->options.end()) return usageError("--out FILE is required");
    std::optional<int> firmware;
    if (!firmwareOption(*a, firmware, error)) return usageError(error);

    const FileBytes json = readFileBounded(a->positional[0], kMaxJsonBytes);
    if (!json.ok) return failure("cannot read \"" + a->positional[0] + "\": " + json.error);
    if (json.truncated) return failure("\"" + a->positional[0] + "\" is larger than " + std::to_string(kMaxJsonBytes) + " bytes");
    const auto document = controls::parseJson(std::string_view(reinterpret_cast<const char*>(json.bytes.data()), json.bytes.size()), error);
    if (!document) return failure(a->positional[0] + ": " + error);

    Z4Editor editor;
    editor.setUpForDeviceType(*type);
    Image image;
    image.fill(kEnd);
    if (auto base = a->options.find("--base"); base != a->options.end())
        if (error = loadProfile(base->second, editor, image); !error.empty()) return failure(error);
    adaptFirmware(firmware, editor);
    if (error = applyProfileJson(editor, *document); !error.empty()) return failure(a->positional[0] + ": " + error);

    const BrandInfo& brand = currentBrand();
    EncodeContext context;
    const auto company = a->options.find("--company");
    context.company = company != a->options.end() ? company->second : ReadSetting(brand.brandKey, "company");
    if (company == a->options.end() && context.company.empty()) context.company = brand.companyDefault;
    context.brandCompanyName = brand.imageCompanyName;
    encodeImage(editor, image, context);
    error = saveProfileFile(out->second, editor, image);
    if (!error.empty()) return failure("cannot write \"" + out->second + "\": " + error);
    return 0;
}

int runProfile(const std::vector<std::string>& args) {
    if (args.empty()) return usageError("expected show or make");
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "show") return runShow(rest);
    if (args[0] == "make") return runMake(rest);
    return usageError("unknown profile command \"" + args[0] + "\"");
}

const CliRegistrar profileCommand("profile", kUsage, runProfile);

}  // namespace
}  // namespace vardeck::cli
