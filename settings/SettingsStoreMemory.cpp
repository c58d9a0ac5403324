#include "settings/SettingsStoreMemory.h"

namespace vardeck {

std::optional<std::string> MemorySettingsStore::read(const std::string& keyPath, const std::string& name) {
    std::lock_guard lock(mutex_);
    return document_.get(keyPath, name);
}

bool MemorySettingsStore::write(const std::string& keyPath, const std::string& name, const std::string& text) {
    std::lock_guard lock(mutex_);
    ++writeCount_;
    if (refuseWrites_) return false;
    document_.set(keyPath, name, text);
    return true;
}

std::vector<settings::NamedValue> MemorySettingsStore::values(const std::string& keyPath) {
    std::lock_guard lock(mutex_);
    return document_.values(keyPath);
}

void MemorySettingsStore::setRefuseWrites(bool refuse) {
    std::lock_guard lock(mutex_);
    refuseWrites_ = refuse;
}

int MemorySettingsStore::writeCount() const {
    std::lock_guard lock(mutex_);
    return writeCount_;
}

}  // namespace vardeck
