#include "z4config/GprsStrings.h"

#include <vector>

#include "controls/Utf8.h"

namespace vardeck::z4config {
namespace {

constexpr std::string_view kServerPrefix = "\"UDP\",\"";
constexpr std::string_view kServerSuffix = "\",\"53500\"";
constexpr std::string_view kAccessPointPrefix = "\"";
constexpr std::string_view kAccessPointSuffix = "\",\"\",\"\"";

std::string upToQuote(const std::string& text) { return text.substr(0, text.find('"')); }

// Writes prefix, the name (code page 1250, accent mapping, at most maxChars) and the
// suffix, then one 0xFF; the name's limit keeps the string inside its area.
void writeString(Image& image, std::size_t offset, std::string_view prefix, std::string_view name, std::size_t maxChars,
                 std::string_view suffix) {
    std::vector<std::uint8_t> bytes(prefix.begin(), prefix.end());
    for (std::uint8_t b : terminatedTextBytes(controls::utf8Left(name, maxChars))) bytes.push_back(accentToImage(b));
    bytes.insert(bytes.end(), suffix.begin(), suffix.end());
    bytes.push_back(kEnd);
    Bytes slot = slotOf(image, offset, bytes.size());
    std::copy(bytes.begin(), bytes.end(), slot.begin());
}

}  // namespace

std::string readServerAddress(Image& image) {
    const std::string text = readTextSlot(slotOf(image, kServerStringOffset, kServerPrefix.size() + kServerMaxLength));
    const std::u32string chars = controls::utf8Decode(text);
    if (chars.size() < kServerPrefix.size()) return {};
    return upToQuote(controls::utf8Encode(std::u32string_view(chars).substr(kServerPrefix.size())));
}

std::string readAccessPointName(Image& image) {
    return upToQuote(readTextSlot(slotOf(image, kAccessPointStringOffset + 1, kAccessPointMaxLength)));
}

void writeServerString(Image& image, std::string_view server) {
    writeString(image, kServerStringOffset, kServerPrefix, server, kServerMaxLength, kServerSuffix);
}

void writeAccessPointString(Image& image, std::string_view accessPoint) {
    writeString(image, kAccessPointStringOffset, kAccessPointPrefix, accessPoint, kAccessPointMaxLength, kAccessPointSuffix);
}

}  // namespace vardeck::z4config
