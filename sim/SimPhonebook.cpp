#include "sim/SimPhonebook.h"

#include <algorithm>

namespace vardeck::sim {

const PhonebookEntry& SimPhonebook::at(int index) const {
    static const PhonebookEntry none;
    return validIndex(index) ? entries_[static_cast<std::size_t>(index - 1)] : none;
}

bool SimPhonebook::set(int index, std::string number, std::string name) {
    if (!validIndex(index)) return false;
    PhonebookEntry& entry = entries_[static_cast<std::size_t>(index - 1)];
    if (number.empty()) {
        entry = {};
        return true;
    }
    if (number.size() > kMaxNumber) number.resize(kMaxNumber);
    if (name.size() > kMaxName) name.resize(kMaxName);
    entry = PhonebookEntry{std::move(number), std::move(name)};
    return true;
}

int SimPhonebook::occupied() const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [](const auto& e) { return !e.empty(); }));
}

int SimPhonebook::lastOccupied() const {
    for (int index = kLocations; index >= 1; --index) {
        if (!at(index).empty()) return index;
    }
    return 0;
}

}  // namespace vardeck::sim
