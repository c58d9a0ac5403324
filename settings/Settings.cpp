#include "settings/Settings.h"

#include <atomic>
#include <mutex>

#include "settings/SettingsStore.h"
#include "settings/SettingsStoreFile.h"

namespace vardeck {
namespace {

std::mutex storeMutex;
std::shared_ptr<SettingsStore> installedStore;
std::atomic<bool> lastWriteFailed{false};

}  // namespace

std::shared_ptr<SettingsStore> settingsStore() {
    std::lock_guard lock(storeMutex);
    if (!installedStore) installedStore = std::make_shared<FileSettingsStore>();
    return installedStore;
}

std::shared_ptr<SettingsStore> installSettingsStore(std::shared_ptr<SettingsStore> store) {
    std::lock_guard lock(storeMutex);
    std::shared_ptr<SettingsStore> previous = std::move(installedStore);
    installedStore = std::move(store);
    return previous;
}

void WriteSetting(const std::string& keyPath, const std::string& name, const std::string& text) {
    lastWriteFailed = !settingsStore()->write(keyPath, name, text);
}

std::string ReadSetting(const std::string& keyPath, const std::string& name) {
    return settingsStore()->read(keyPath, name).value_or(std::string());
}

bool settingsLastWriteFailed() { return lastWriteFailed; }

}  // namespace vardeck
