// The settings file reader: any file is read without harm; a file that is rewritten
// reads back as it was, and a value set in it reads back as set, whatever its bytes.
//
// Input: one byte; when it is odd the rest is the file. When it is even, three
// lengths, the key path, name and value they give, then the file.
#include "fuzz/FuzzInput.h"
#include "settings/SettingsStoreFormat.h"

using namespace vardeck;
using settings::SettingsDocument;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const bool setValue = in.byte() % 2 == 0;
    std::string key, name, value;
    if (setValue) {
        const std::size_t keyLength = in.byte() % 32, nameLength = in.byte() % 32, valueLength = in.byte();
        key = in.text(keyLength);
        name = in.text(nameLength);
        value = in.text(valueLength);
    }
    SettingsDocument doc = SettingsDocument::parse(fuzz::asText(in.rest()));
    (void)doc.get(key, name);
    (void)doc.values(key);
    // The store leaves a file that is no settings file as it is.
    if (!doc.looksLikeSettings()) return 0;

    const std::string written = doc.serialize();
    VARDECK_FUZZ_CHECK(SettingsDocument::parse(written).serialize() == written);
    if (setValue) {
        doc.set(key, name, value);
        const SettingsDocument reread = SettingsDocument::parse(doc.serialize());
        VARDECK_FUZZ_CHECK(reread.get(key, name) == value);
    }
    return 0;
}
