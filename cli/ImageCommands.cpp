// vardeck-cli decode / encode: the Z-4 configuration image and its editor state as
// JSON, for installers' scripts.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <unistd.h>

#include "cli/CliCommand.h"
#include "brand/Brand.h"
#include "settings/Settings.h"
#include "z4config/EditorJson.h"
#include "z4config/ImageBinding.h"
#include "controls/Json.h"

namespace vardeck::cli {
namespace {

using z4config::Image;
using z4config::Z4Editor;

constexpr const char* kDecodeUsage =
    "  decode IMAGE --type CODE [--firmware N]\n"
    "                                          print the editor state after a decode of the\n"
    "                                          8192-byte IMAGE as JSON: {\"controls\": {NAME: {...}},\n"
    "                                          \"tables\": {\"StringGrid2\", \"StringGrid3\", \"masks\"}};\n"
    "                                          CODE is the device type (70, 71, 80, 90, 100), N the\n"
    "                                          firmware version in tenths (default: image byte 254)";
constexpr const char* kEncodeUsage =
    "  encode JSON --type CODE [--base IMAGE] [--firmware N] [--company TEXT] --out IMAGE\n"
    "                                          apply JSON (the shape decode prints, any subset of\n"
    "                                          controls) to the editor and write the encoded 8192\n"
    "                                          bytes to --out; the editor starts from the decoded\n"
    "                                          --base image, or from its defaults over zero bytes;\n"
    "                                          --company replaces the settings value \"company\"";

constexpr std::size_t kMaxJsonBytes = 16u << 20;
const int kDeviceTypes[] = {z4config::kTypeZ4, z4config::kTypeTrix, z4config::kTypeZ1, z4config::kTypeGps, z4config::kTypeCid};

struct Options {
    std::vector<std::string> positional;
    std::optional<int> type;
    std::optional<int> firmware;
    std::optional<std::string> base;
    std::optional<std::string> out;
    std::optional<std::string> company;
};

// A failure of the command: its message and exit code (2 for wrong usage).
struct Failure {
    std::string message;
    int exitCode = 1;
};

std::optional<int> parseInt(const std::string& text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<Failure> parseOptions(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            o.positional.push_back(a);
            continue;
        }
        if (i + 1 == args.size()) return Failure{a + " needs a value", 2};
        const std::string& v = args[++i];
        if (a == "--type") {
            o.type = parseInt(v);
            bool known = false;
            for (int t : kDeviceTypes) known = known || (o.type && *o.type == t);
            if (!known) return Failure{"unknown device type \"" + v + "\" (70, 71, 80, 90 or 100)", 2};
        } else if (a == "--firmware") {
            o.firmware = parseInt(v);
            if (!o.firmware || *o.firmware > 255) return Failure{"firmware version \"" + v + "\" is not a number from 0 to 255", 2};
        } else if (a == "--base") {
            o.base = v;
        } else if (a == "--out") {
            o.out = v;
        } else if (a == "--company") {
            o.company = v;
        } else {
            return Failure{"unknown option " + a, 2};
        }
    }
    if (!o.type) return Failure{"--type CODE is required", 2};
    return std::nullopt;
}

std::optional<Failure> readFile(const std::string& path, std::size_t maxBytes, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Failure{"cannot open \"" + path + "\""};
    content.clear();
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (content.size() > maxBytes) return Failure{"\"" + path + "\" is larger than " + std::to_string(maxBytes) + " bytes"};
    }
    if (in.bad()) return Failure{"cannot read \"" + path + "\""};
    return std::nullopt;
}

std::optional<Failure> readImage(const std::string& path, Image& image) {
    std::string content;
    if (auto f = readFile(path, image.size(), content)) return f;
    if (content.size() != image.size())
        return Failure{"\"" + path + "\" holds " + std::to_string(content.size()) + " bytes; an image has exactly " +
                       std::to_string(image.size())};
    std::copy(content.begin(), content.end(), image.begin());
    return std::nullopt;
}

// Writes through a temporary file in the same folder, so the image appears whole or not at all.
std::optional<Failure> writeImage(const std::string& path, const Image& image) {
    const std::string temp = path + ".tmp-" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        out.close();
        if (!out) {
            std::remove(temp.c_str());
            return Failure{"cannot write \"" + path + "\""};
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return Failure{"cannot write \"" + path + "\""};
    }
    return std::nullopt;
}

// The editor after a hand-over of the model and, when there is an image, its decode; the
// firmware version is the given one or the one the image holds.
void prepareEditor(Z4Editor& editor, const Options& o, Image* decoded) {
    editor.setUpForDeviceType(*o.type);
    if (decoded) decodeImage(*decoded, editor);
    const int version = o.firmware ? *o.firmware : editor.firmwareVersion();
    editor.adaptToFirmware(version, brandCode());
}

int fail(const char* command, const Failure& f, const char* usage) {
    std::cerr << "vardeck-cli " << command << ": " << f.message << "\n";
    if (f.exitCode == 2) std::cerr << usage << "\n";
    return f.exitCode;
}

int runDecode(const std::vector<std::string>& args) {
    Options o;
    if (auto f = parseOptions(args, o)) return fail("decode", *f, kDecodeUsage);
    if (o.positional.size() != 1) return fail("decode", {"expected one IMAGE file", 2}, kDecodeUsage);
    if (o.base || o.out || o.company) return fail("decode", {"--base, --out and --company belong to encode", 2}, kDecodeUsage);
    Image image{};
    if (auto f = readImage(o.positional[0], image)) return fail("decode", *f, kDecodeUsage);
    Z4Editor editor(*o.type);
    prepareEditor(editor, o, &image);
    std::cout << controls::writeJson(z4config::editorToJson(editor));
    return std::cout ? 0 : 1;
}

int runEncode(const std::vector<std::string>& args) {
    Options o;
    if (auto f = parseOptions(args, o)) return fail("encode", *f, kEncodeUsage);
    if (o.positional.size() != 1) return fail("encode", {"expected one JSON file", 2}, kEncodeUsage);
    if (!o.out) return fail("encode", {"--out IMAGE is required", 2}, kEncodeUsage);

    std::string text;
    if (auto f = readFile(o.positional[0], kMaxJsonBytes, text)) return fail("encode", *f, kEncodeUsage);
    std::string error;
    const auto document = controls::parseJson(text, error);
    if (!document) return fail("encode", {o.positional[0] + ": " + error}, kEncodeUsage);

    Image image{};
    if (o.base)
        if (auto f = readImage(*o.base, image)) return fail("encode", *f, kEncodeUsage);
    Z4Editor editor(*o.type);
    prepareEditor(editor, o, o.base ? &image : nullptr);
    error = z4config::applyEditorJson(editor, *document);
    if (!error.empty()) return fail("encode", {o.positional[0] + ": " + error}, kEncodeUsage);

    const BrandInfo& brand = currentBrand();
    z4config::EncodeContext context;
    context.company = o.company ? *o.company : ReadSetting(brand.brandKey, "company");
    if (!o.company && context.company.empty()) context.company = brand.companyDefault;
    context.brandCompanyName = brand.imageCompanyName;
    editor.refreshPagesBeforeWrite();
    encodeImage(editor, image, context);
    if (auto f = writeImage(*o.out, image)) return fail("encode", *f, kEncodeUsage);
    return 0;
}

const CliRegistrar decodeCommand("decode", kDecodeUsage, runDecode);
const CliRegistrar encodeCommand("encode", kEncodeUsage, runEncode);

}  // namespace
}  // namespace vardeck::cli
