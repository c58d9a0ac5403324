// vardeck-cli upload (sound, data image, firmware) and sound convert: the uploads of
// the configurator on a serial port, and the conversion of a sound for the module.
#include <iostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/SessionArgs.h"
#include "sound/ModuleSound.h"
#include "z4config/ProfileFiles.h"
#include "z4link/FirmwareDownloadStates.h"
#include "z4link/UploadStates.h"

namespace vardeck::cli {
namespace {

using namespace std::chrono_literals;
using Outcome = TransferSession::Outcome;

constexpr const char* kUploadUsage =
    "  upload sound --port P --type CODE --slot 1|2|3|4|siren|dtmf --in FILE.wav\n"
    "  upload data --port P --type CODE --in IMAGE\n"
    "  upload firmware --port P --type CODE [--firmware N] [--file HEXTEXT --file-version N]\n"
    "                                          a sound into its slot (the file's samples from its\n"
    "                                          \"data\" tag on, as the module takes them: 8 kHz, 8 bit,\n"
    "                                          mono; see sound convert), the first 2304 bytes of an\n"
    "                                          8192-byte image, or a module firmware (the carried one\n"
    "                                          unless --file names a firmware text with its version);\n"
    "                                          progress on stderr; exit codes as for read, and 1 when\n"
    "                                          the module acknowledged a block wrongly";
constexpr const char* kSoundUsage =
    "  sound convert IN OUT                    convert a sound (WAV, FLAC, OGG, ...) to the module's\n"
    "                                          8 kHz 8-bit mono WAV; IN is never changed";

constexpr int kDefaultTimeoutS = 300;
constexpr std::size_t kFirmwareTextLimit = 1 << 20;

int uploadSound(TransferSession& session, const Args& a) {
    const auto slot = soundSlotByName(a.slot.value_or(""));
    const WavCheck check = checkWavFile(*a.in);
    if (!check.error.empty()) {
        std::cerr << "vardeck-cli upload: " << *a.in << ": " << check.error << "\n";
        return kExitFailure;
    }
    if (!check.ok) {
        std::cerr << "vardeck-cli upload: " << *a.in << ": Rossz formátum\n";
        return kExitFailure;
    }
    auto samples = FileSamples::open(*a.in, check.dataStart);
    if (!samples) {
        std::cerr << "vardeck-cli upload: cannot open " << *a.in << "\n";
        return kExitFailure;
    }
    UploadStates uploads(session.engine());
    std::optional<bool> clean;
    uploads.onDone = [&](bool ok) { clean = ok; };
    uploads.onSoundGauge = [](int progress, int max, bool) { std::cerr << "  " << progress << "/" << max << "\n"; };
    uploads.startSound(soundSlotPage(*slot), std::move(samples), check.sampleBytes(), false);
    const Outcome outcome =
        session.runUntil([&] { return clean.has_value(); }, std::chrono::seconds(a.timeoutS.value_or(kDefaultTimeoutS)));
    if (const int code = finish(session, outcome, a, "upload")) return code;
    if (!*clean) std::cerr << "Hibás átvitel\n";
    return *clean ? 0 : kExitFailure;
}

int uploadData(TransferSession& session, const Args& a) {
    const z4config::FileBytes file = z4config::readFileBounded(*a.in, TransferEngine::kImageSize + 1);
    if (!file.ok || file.bytes.size() != static_cast<std::size_t>(TransferEngine::kImageSize)) {
        std::cerr << "vardeck-cli upload: " << *a.in << " is not an image of " << TransferEngine::kImageSize
                  << " bytes\n";
        return kExitFailure;
    }
    std::copy(file.bytes.begin(), file.bytes.end(), session.image().begin());
    UploadStates uploads(session.engine());
    std::optional<bool> clean;
    uploads.onDone = [&](bool ok) { clean = ok; };
    uploads.startDataImage();
    const Outcome outcome =
        session.runUntil([&] { return clean.has_value(); }, std::chrono::seconds(a.timeoutS.value_or(kDefaultTimeoutS)));
    if (const int code = finish(session, outcome, a, "upload")) return code;
    if (!*clean) std::cerr << "Hibás átvitel\n";
    return *clean ? 0 : kExitFailure;
}

int uploadFirmware(TransferSession& session, const Args& a) {
    CarriedFirmware firmware = carriedFirmware();
    if (a.file) {
        const z4config::FileBytes file = z4config::readFileBounded(*a.file, kFirmwareTextLimit);
        if (!file.ok || file.truncated) {
            std::cerr << "vardeck-cli upload: cannot use " << *a.file << "\n";
            return kExitFailure;
        }
        firmware = {std::to_string(*a.fileVersion), *a.fileVersion, std::string(file.bytes.begin(), file.bytes.end()),
                    false};
    } else {
        std::cerr << "the carried firmware " << firmware.versionText << " is a stand-in image, not a module firmware\n";
    }
    FirmwareDownloadStates download(session.engine(), firmware);
    std::string failure;
    bool identified = false;
    std::optional<bool> allowed;
    download.onPhase = [&](const std::string& t) {
        std::cerr << t << "\n";
        if (t.rfind("ERROR", 0) == 0) failure = t;
    };
    download.onProcessor = [&](const std::string& t) {
        std::cerr << t << "\n";
        identified = t != "Processor: ???";
    };
    download.onDownloadAllowed = [&](bool on) { allowed = on; };
    download.onProgress = [](int block) {
        if (block % 32 == 0) std::cerr << "  " << block << "/256\n";
    };
    bool fpgaStarted = false;
    download.onFpgaStarted = [&] { fpgaStarted = true; };
    download.open();
    const auto deadline = std::chrono::seconds(a.timeoutS.value_or(kDefaultTimeoutS));
    auto& vars = session.engine().vars();
    Outcome outcome =
        session.runUntil([&] { return identified && vars.state != z4state::kProcessorIdentify; }, 10s);
    if (outcome != Outcome::Done) return finish(session, outcome, a, "upload");
    if (download.identity().processor != 10) {
        std::cerr << "FAULT FIRMWARE\n";
        return kExitFailure;
    }
    if (vars.state == z4state::kIdle) {
        if (allowed != true) {
            std::cerr << "Nincs elérhető új Firmware!\n";
            return kExitFailure;
        }
        download.startDownload();
    }
    if (vars.state == z4state::kIdle) {
        std::cerr << "FAULT FIRMWARE: the firmware text does not fill the module's 65536 bytes\n";
        return kExitFailure;
    }
    // The download ends when the restarted module answers the version query, or fails.
    outcome = session.runUntil([&] { return vars.state == z4state::kIdle && vars.versionPopup == 0; }, deadline);
    if (const int code = finish(session, outcome, a, "upload")) return code;
    if (!fpgaStarted || !failure.empty()) {
        std::cerr << (failure.empty() ? std::string("ERROR communication!") : failure) << "\n";
        return kExitFailure;
    }
    std::cerr << "module firmware now " << session.engine().vars().firmwareVersion << "\n";
    return 0;
}

int runUpload(const std::vector<std::string>& raw) {
    Args a;
    std::string what;
    try {
        a = parseArgs(raw);
        requireType(a);
        if (a.positional.size() != 1) throw UsageError{"sound, data or firmware?"};
        what = a.positional[0];
        if (what == "sound") {
            if (!a.in) throw UsageError{"--in is missing"};
            if (!soundSlotByName(a.slot.value_or(""))) throw UsageError{"--slot is 1, 2, 3, 4, siren or dtmf"};
        } else if (what == "data") {
            if (!a.in) throw UsageError{"--in is missing"};
        } else if (what == "firmware") {
            if (a.file.has_value() != a.fileVersion.has_value()) throw UsageError{"--file goes with --file-version"};
        } else {
            throw UsageError{"unknown upload \"" + what + "\""};
        }
    } catch (const UsageError& e) {
        return usage("upload", e.message, kUploadUsage);
    }
    TransferSession session(sessionOptions(a));
    if (auto failed = prepare(session, a, "upload")) return *failed;
    if (what == "sound") return uploadSound(session, a);
    if (what == "data") return uploadData(session, a);
    return uploadFirmware(session, a);
}

int runSound(const std::vector<std::string>& args) {
    if (args.size() != 3 || args[0] != "convert") {
        std::cerr << "vardeck-cli sound: expected convert IN OUT\n" << kSoundUsage << "\n";
        return kExitUsage;
    }
    const std::string error = sound::convertForModule(args[1], args[2]);
    if (!error.empty()) {
        std::cerr << "vardeck-cli sound: " << error << "\n";
        return kExitFailure;
    }
    return 0;
}

CliRegistrar uploadCommand("upload", kUploadUsage, runUpload);
CliRegistrar soundCommand("sound", kSoundUsage, runSound);

}  // namespace
}  // namespace vardeck::cli
