// vardeck-cli settings: read and change the program's settings from a script.
#include <iostream>

#include "cli/CliCommand.h"
#include "brand/Brand.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsStoreFile.h"

namespace vardeck::cli {
namespace {

constexpr const char* kUsage =
    "  settings get [--key SUBKEY] NAME        print the value NAME of the brand key; prints nothing\n"
    "                                          and exits 1 when the value is missing\n"
    "  settings set [--key SUBKEY] NAME VALUE  store VALUE as NAME; exits 1 with a message when the\n"
    "                                          store cannot be written\n"
    "  settings list [--key SUBKEY]            print every value of the key as NAME=VALUE (\"%\" and\n"
    "                                          control bytes written as %HH, as in the store file)\n"
    "  settings path                           print the store file in use (set VARDECK_SETTINGS to\n"
    "                                          use another one)\n"
    "      --key SUBKEY works below the brand key, e.g. --key ports for the COM port table";

int usageError(const std::string& message) {
    std::cerr << "vardeck-cli settings: " << message << "\n" << kUsage << "\n";
    return 2;
}

int runSettings(const std::vector<std::string>& args) {
    std::string key = currentBrand().brandKey;
    std::vector<std::string> words;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--key") {
            if (i + 1 == args.size()) return usageError("--key needs a subkey name");
            key += "\\" + args[++i];
        } else {
            words.push_back(args[i]);
        }
    }
    if (words.empty()) return usageError("missing action (get, set, list or path)");
    const std::string& action = words[0];
    std::string storePath = defaultSettingsPath();

    if (action == "path" && words.size() == 1) {
        std::cout << storePath << "\n";
        return 0;
    }
    if (action == "get" && words.size() == 2) {
        auto value = settingsStore()->read(key, words[1]);
        if (!value) return 1;
        std::cout << *value << "\n";
        return 0;
    }
    if (action == "set" && words.size() == 3) {
        WriteSetting(key, words[1], words[2]);
        if (settingsLastWriteFailed()) {
            std::cerr << "vardeck-cli settings: could not store \"" << words[1] << "\" in "
                      << (storePath.empty() ? std::string("the settings store (no home folder)") : storePath)
                      << "\n";
            return 1;
        }
        return 0;
    }
    if (action == "list" && words.size() == 1) {
        for (const auto& [name, value] : settingsStore()->values(key)) {
            std::cout << settings::escapeName(name) << "=" << settings::escapeValue(value) << "\n";
        }
        return 0;
    }
    return usageError("unknown action or wrong number of arguments");
}

const CliRegistrar registrar("settings", kUsage, runSettings);

}  // namespace
}  // namespace vardeck::cli
