#pragma once
#include <mutex>

#include "settings/SettingsStore.h"

namespace vardeck {

// A store that lives in memory, for the tests of the screens. It follows the same
// matching rules as the file store, and can be told to refuse writes to act out a
// location without write permission.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> read(const std::string& keyPath, const std::string& name) override;
    bool write(const std::string& keyPath, const std::string& name, const std::string& text) override;
    std::vector<settings::NamedValue> values(const std::string& keyPath) override;

    void setRefuseWrites(bool refuse);
    int writeCount() const;  // writes asked for, refused ones included

private:
    mutable std::mutex mutex_;
    settings::SettingsDocument document_;
    bool refuseWrites_ = false;
    int writeCount_ = 0;
};

}  // namespace vardeck
