#include "settings/DataFolders.h"

#include "settings/SettingsStoreFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#ifndef VARDECK_DATA_FROM_BIN
#define VARDECK_DATA_FROM_BIN "../share/vardeck"
#endif

namespace fs = std::filesystem;

namespace vardeck {

std::string userDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/') {
        return std::string(data) + "/vardeck";
    }
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/.local/share/vardeck";
}

DataFolderEntry enterDataFolder(const std::string& folder) {
    DataFolderEntry entry;
    entry.folder = folder;
    if (folder.empty()) {
        entry.problem = "no home folder: neither XDG_DATA_HOME nor HOME names one";
        return entry;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        entry.problem = folder + ": " + ec.message();
        return entry;
    }
    if (::chdir(folder.c_str()) != 0) {
        entry.problem = folder + ": " + std::strerror(errno);
        return entry;
    }
    entry.entered = true;
    if (::access(".", W_OK | X_OK) != 0) entry.problem = folder + ": " + std::strerror(errno);
    return entry;
}

std::string installedDataFolder() {
    static const std::string folder = [] {
        std::error_code ec;
        const fs::path program = fs::read_symlink("/proc/self/exe", ec);
        if (ec) return std::string();
        const fs::path data = (program.parent_path() / VARDECK_DATA_FROM_BIN).lexically_normal();
        return fs::is_directory(data, ec) ? data.string() : std::string();
    }();
    return folder;
}

std::string withInstalledDefault(const std::string& path, const std::string& defaults) {
    std::error_code ec;
    if (defaults.empty() || fs::exists(path, ec)) return path;
    const fs::path fallback = fs::path(defaults) / fs::path(path).filename();
    return fs::exists(fallback, ec) ? fallback.string() : path;
}

}  // namespace vardeck
