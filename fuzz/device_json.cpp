// The JSON document of `vardeck-cli device write`, applied to each device screen's
// controls: any document is refused with a message or applied as a user's edits.
// What the screen then holds, exported as `device read` writes it, applies to a
// fresh screen and gives the same export; and the write that follows runs the
// screen's checks and encoders over it to the end.
//
// Input: the screen (low two bits; for the tracker bit 7 picks the old format), then
// the document.
#include "cli/DeviceJson.h"
#include "fuzz/DeviceScreenMachine.h"

using namespace vardeck;

namespace {

constexpr int kTypes[] = {30, 50, 60, 61};
constexpr int kAnswerMs = 5000;
constexpr int kTransferMs = 600000;

// The screen after its hand-over, the version question answered.
std::unique_ptr<fuzz::ScreenMachine> readyScreen(int type, bool oldFormat) {
    auto m = std::make_unique<fuzz::ScreenMachine>(type, std::vector<std::string>{});
    if (oldFormat) devices::selectOldFormat(*m->screen);
    m->screen->handOver();
    VARDECK_FUZZ_CHECK(m->answerUntil([&] { return m->screen->ready(); }, kAnswerMs));
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const uint8_t choice = in.byte();
    const int type = kTypes[choice % 4];
    const bool oldFormat = type == 60 && (choice & 0x80);
    std::string error;
    const auto document = controls::parseJson(fuzz::asText(in.rest()), error);
    if (!document) return 0;

    auto m = readyScreen(type, oldFormat);
    if (!cli::applyScreenJson(*m->screen, *document).empty()) return 0;  // refused: nothing is sent
    const controls::JsonValue shown = cli::screenToJson(*m->screen);

    auto again = readyScreen(type, oldFormat);
    const std::string refused = cli::applyScreenJson(*again->screen, shown);
    if (!refused.empty()) std::fprintf(stderr, "export refused: %s\n", refused.c_str());
    VARDECK_FUZZ_CHECK(refused.empty());
    VARDECK_FUZZ_CHECK(controls::writeJson(cli::screenToJson(*again->screen)) == controls::writeJson(shown));

    if (m->screen->write()) {
        VARDECK_FUZZ_CHECK(m->answerUntil([&] { return m->screen->ready(); }, kTransferMs));
    }
    return 0;
}
