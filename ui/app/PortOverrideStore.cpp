#include "ui/app/PortOverrideStore.h"

namespace vardeck::ui {

namespace {
constexpr const char* kPortValue = "comport";
}

PortOverrideStore::PortOverrideStore(std::shared_ptr<SettingsStore> base, std::string brandKey, std::string port)
    : base_(std::move(base)), brandKey_(settings::canonicalKeyPath(brandKey)), port_(std::move(port)) {}

bool PortOverrideStore::isPortValue(const std::string& keyPath, const std::string& name) const {
    return settings::sameIgnoringAsciiCase(name, kPortValue) &&
           settings::sameIgnoringAsciiCase(settings::canonicalKeyPath(keyPath), brandKey_);
}

bool PortOverrideStore::overriding() const {
    std::lock_guard lock(mutex_);
    return overriding_;
}

std::optional<std::string> PortOverrideStore::read(const std::string& keyPath, const std::string& name) {
    if (isPortValue(keyPath, name) && overriding()) return port_;
    return base_->read(keyPath, name);
}

bool PortOverrideStore::write(const std::string& keyPath, const std::string& name, const std::string& text) {
    const bool written = base_->write(keyPath, name, text);
    if (written && isPortValue(keyPath, name)) {
        std::lock_guard lock(mutex_);
        overriding_ = false;
    }
    return written;
}

std::vector<settings::NamedValue> PortOverrideStore::values(const std::string& keyPath) {
    std::vector<settings::NamedValue> values = base_->values(keyPath);
    if (!overriding() || !isPortValue(keyPath, kPortValue)) return values;
    for (auto& value : values) {
        if (settings::sameIgnoringAsciiCase(value.name, kPortValue)) {
            value.value = port_;
            return values;
        }
    }
    values.push_back({kPortValue, port_});
    return values;
}

std::shared_ptr<SettingsStore> overrideStoredPort(const std::string& brandKey, const std::string& port) {
    if (port.empty()) return nullptr;
    std::shared_ptr<SettingsStore> base = settingsStore();
    installSettingsStore(std::make_shared<PortOverrideStore>(base, brandKey, port));
    return base;
}

}  // namespace vardeck::ui
