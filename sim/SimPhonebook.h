#pragma once
#include <array>
#include <cstddef>
#include <string>

namespace vardeck::sim {

// One location of the SIM phonebook. A location is in use when it has a number;
// a name without a number is not an entry (the SIM cannot hold one).
struct PhonebookEntry {
    std::string number;
    std::string name;
    bool empty() const { return number.empty(); }
    bool operator==(const PhonebookEntry&) const = default;
};

// The SIM card's phonebook: locations 1 to 250, each with a number and a name of
// at most 40 bytes. Longer texts are cut, as a SIM keeps what fits its record.
// Names are bytes as given (the program sends code page 1250 text).
class SimPhonebook {
public:
    static constexpr int kLocations = 250;
    static constexpr std::size_t kMaxNumber = 40;
    static constexpr std::size_t kMaxName = 40;

    static bool validIndex(int index) { return index >= 1 && index <= kLocations; }

    // The entry at `index` (1-250); an empty entry for an index outside.
    const PhonebookEntry& at(int index) const;
    // Stores the texts cut to their limits; an empty number empties the location.
    // False (and nothing stored) for an index outside 1-250.
    bool set(int index, std::string number, std::string name);
    void erase(int index) { set(index, {}, {}); }

    // Locations in use, and the highest one in use (0 when none is).
    int occupied() const;
    int lastOccupied() const;

    bool operator==(const SimPhonebook&) const = default;

private:
    std::array<PhonebookEntry, kLocations> entries_{};
};

}  // namespace vardeck::sim
