// The parsers of the GSM modem's answers, which look at fixed positions of the receive
// buffer and search it for tags: any answer, of any length up to the buffer's, gives
// bounded fields and never a read outside the buffer.
#include "fuzz/FuzzInput.h"
#include "z4link/AtReply.h"
#include "z4link/GsmCommandStates.h"
#include "z4link/PhonebookStates.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    ReceiveBuffer rx;
    rx.append(data, static_cast<int>(std::min<std::size_t>(size, ReceiveBuffer::kCapacity)));

    (void)endsWithOkCrLf(rx);
    (void)lockReleaseConfirmed(rx);
    (void)countCrLf(rx);
    for (int position : {kAtProbeOkPosition, kPinEntryOkPosition, kLockReleaseOkPosition, rx.fill() - 2}) {
        (void)okAt(rx, position);
        (void)errorAt(rx, position);
    }
    for (int tag = findPhonebookTag(rx); tag >= 0; tag = findPhonebookTag(rx, tag + 1)) {
        const PhonebookEntry entry = parsePhonebookEntry(rx, tag + 2);
        VARDECK_FUZZ_CHECK(entry.index.size() <= 3);
        VARDECK_FUZZ_CHECK(entry.number.size() <= 33 && entry.name.size() <= 33);
    }
    const std::string balance = balanceText(rx);
    VARDECK_FUZZ_CHECK(balance.size() <= static_cast<std::size_t>(rx.fill()));
    return 0;
}
