#pragma once
#include "settings/SettingsStore.h"

#include <memory>
#include <mutex>
#include <string>

namespace vardeck::ui {

// The settings store of a run started with "--port DEVICE": every reader of the
// brand key's "comport" gets DEVICE, while the store itself keeps its value. All
// other reads and every write go to the store underneath. Once the port selection
// view stores a new "comport", the override ends and readers see the stored choice.
class PortOverrideStore : public SettingsStore {
public:
    PortOverrideStore(std::shared_ptr<SettingsStore> base, std::string brandKey, std::string port);

    std::optional<std::string> read(const std::string& keyPath, const std::string& name) override;
    bool write(const std::string& keyPath, const std::string& name, const std::string& text) override;
    std::vector<settings::NamedValue> values(const std::string& keyPath) override;

    bool overriding() const;

private:
    bool isPortValue(const std::string& keyPath, const std::string& name) const;

    std::shared_ptr<SettingsStore> base_;
    std::string brandKey_;
    std::string port_;
    mutable std::mutex mutex_;
    bool overriding_ = true;
};

// Installs the override for the whole run (nothing when port is empty) and returns
// the store it replaced (nullptr when it installed nothing).
std::shared_ptr<SettingsStore> overrideStoredPort(const std::string& brandKey, const std::string& port);

}  // namespace vardeck::ui
