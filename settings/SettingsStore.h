#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsStoreFormat.h"

namespace vardeck {

// Where WriteSetting and ReadSetting keep their values. Key paths and value names
// are matched without regard to ASCII letter case (see SettingsStoreFormat.h).
// Implementations are safe to call from several threads.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value, or nothing when the key or the value is missing (or unreadable).
    virtual std::optional<std::string> read(const std::string& keyPath, const std::string& name) = 0;
    // Stores the value, creating missing keys; false when it did not reach the store.
    virtual bool write(const std::string& keyPath, const std::string& name, const std::string& text) = 0;
    // Every value of one key, in stored order.
    virtual std::vector<settings::NamedValue> values(const std::string& keyPath) = 0;
};

// The store behind WriteSetting and ReadSetting: the one installed last, else a
// FileSettingsStore at defaultSettingsPath() (resolved anew at every call).
std::shared_ptr<SettingsStore> settingsStore();
// Installs a store for the whole process (nullptr: back to the default file store)
// and returns the one it replaces.
std::shared_ptr<SettingsStore> installSettingsStore(std::shared_ptr<SettingsStore> store);

// Installs a store for the lifetime of the object, for tests.
class ScopedSettingsStore {
public:
    explicit ScopedSettingsStore(std::shared_ptr<SettingsStore> store)
        : store_(store), previous_(installSettingsStore(std::move(store))) {}
    ~ScopedSettingsStore() { installSettingsStore(previous_); }
    ScopedSettingsStore(const ScopedSettingsStore&) = delete;
    ScopedSettingsStore& operator=(const ScopedSettingsStore&) = delete;
    SettingsStore& store() { return *store_; }

private:
    std::shared_ptr<SettingsStore> store_;
    std::shared_ptr<SettingsStore> previous_;
};

}  // namespace vardeck
