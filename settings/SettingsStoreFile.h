#pragma once
#include <cstddef>

#include "settings/SettingsStore.h"

namespace vardeck {

// The persistent store: one text file (format in SettingsStoreFormat.h).
//
// Every call reads the file afresh. A write takes an exclusive lock on "<file>.lock"
// beside the store, reads the file again under the lock, changes the one value and
// replaces the file through a temporary file in the same folder (written, flushed to
// disk, then renamed over the store), so a crash leaves either the old or the new
// file and several running programs never lose each other's values. Reads take no
// lock: the rename makes every state they can see a complete file. Temporary files
// a crash left behind are ignored by readers and removed by the next write.
//
// A write fails (returns false, changes nothing) when the folder cannot be created
// or written, when the store exists but cannot be read, or when the file does not
// look like a settings file (a NUL byte, content without any section header, or a
// size past kMaxSettingsFileSize): such a file may hold someone's data, so it is
// kept as it is. Reads of such a file give what can be parsed of it, except that a
// file past the size limit reads as empty.
// A store file that is a symbolic link is written through to the file it points to.
class FileSettingsStore : public SettingsStore {
public:
    // The store at defaultSettingsPath(), looked up again at every call.
    FileSettingsStore() = default;
    explicit FileSettingsStore(std::string path) : fixedPath_(std::move(path)) {}

    std::string path() const;

    std::optional<std::string> read(const std::string& keyPath, const std::string& name) override;
    bool write(const std::string& keyPath, const std::string& name, const std::string& text) override;
    std::vector<settings::NamedValue> values(const std::string& keyPath) override;

private:
    std::optional<std::string> fixedPath_;
};

inline constexpr std::size_t kMaxSettingsFileSize = 16u << 20;

// $VARDECK_SETTINGS when set; else $XDG_CONFIG_HOME/vardeck/settings.ini when that
// is an absolute path; else ~/.config/vardeck/settings.ini. Empty when no home
// folder can be found.
std::string defaultSettingsPath();

// $HOME, or the user's home folder from the password database; empty when neither
// names one.
std::string homeFolder();

}  // namespace vardeck
