#include "z4link/TransferTexts.h"

#include <array>
#include <utility>

namespace vardeck {
namespace {

// One row an entry, in the order of the enumeration.
constexpr std::array<std::pair<TransferText, const char*>, 12> kHungarian{{
    {TransferText::ReadAllRunning, "Összes adat kiolvasása folyamatban..."},
    {TransferText::ReadAllDone, "Összes adat kiolvasása sikeres!"},
    {TransferText::WriteAllRunning, "Összes adat elküldése folyamatban..."},
    {TransferText::WriteAllDone, "Adatküldés sikeres!"},
    {TransferText::ClockSyncRunning, "Óra szinkronozása a PC órájával folyamatban..."},
    {TransferText::ClockSyncDone, "Óra szinkronozása a PC órájával sikeres"},
    {TransferText::ContactIdAreaWrite, "Send all ContactID code"},
    {TransferText::VersionMessage, "Modul szoftvare verzió: "},
    {TransferText::RestartQuestion, "Biztosan újra akarja inditani az eszközt?"},
    {TransferText::CloseQuestion, "Művelet van folyamatban, biztosan ki akar lépni???"},
    {TransferText::VerifyRunning, "Írás ellenőrzése folyamatban..."},
    {TransferText::VerifyFailed, "Ellenőrzés sikertelen: a modul mást tárol, mint amit írtunk!"},
}};

}  // namespace

std::string hungarianTransferText(TransferText id) {
    for (const auto& [entry, text] : kHungarian) {
        if (entry == id) return text;
    }
    return {};
}

std::string firmwareVersionText(int version) {
    return std::to_string(version / 10) + "." + std::to_string(version % 10);
}

}  // namespace vardeck
