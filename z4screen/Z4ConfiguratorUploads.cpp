// The configurator's uploads: the sound page's file fields and upload buttons, the
// production-test uploads, and the firmware view.
#include <filesystem>

#include "settings/Settings.h"
#include "settings/SettingsStoreFile.h"
#include "sound/ModuleSound.h"
#include "z4config/GprsStrings.h"
#include "z4config/ProfileFiles.h"
#include "z4screen/ConfiguratorControls.h"
#include "z4screen/Z4Configurator.h"

namespace vardeck::z4screen {

using namespace controls;

namespace {

struct SoundField {
    const char* edit;
    const char* button;
    SoundSlot slot;
};
constexpr SoundField kSoundFields[] = {
    {"Edit9", "Button8", SoundSlot::Input1},
    {"Edit13", "Button9", SoundSlot::Input2},
    {"Edit14", "Button10", SoundSlot::Input3},
    {"Edit15", "Button11", SoundSlot::Input4},
};

// The production test's fixed sound files ("c:\temp\..."): in the system's folder
// for temporary files here.
constexpr std::size_t kFirmwareTextLimit = 1 << 20;

std::string fixedSound(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// Converted sounds go beside the settings, so the installer's own files stay as they are.
std::string convertedSoundPath(const std::string& original) {
    const std::filesystem::path dir = std::filesystem::path(defaultSettingsPath()).parent_path() / "sounds";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return (dir / (std::filesystem::path(original).stem().string() + "-8kHz.wav")).string();
}

}  // namespace

void Z4Configurator::connectUploads() {
    uploads_->uploads.onSoundGauge = [this](int progress, int max, bool visible) {
        auto& gauge = targets_.get<ProgressGauge>("Gauge1");
        gauge.setMax(max);
        gauge.setProgress(progress);
        gauge.setVisible(visible);
        changed();
    };
}

void Z4Configurator::openFirmwareView() {
    // A real firmware text named in the settings replaces the carried stand-in.
    const std::string file = ReadSetting(brandKey(), "firmwarefile");
    const std::string version = ReadSetting(brandKey(), "firmwareversion");
    FirmwareDownloadStates& states = uploads_->firmware;
    states.setFirmware(carriedFirmware());
    if (!file.empty()) {
        const z4config::FileBytes text = z4config::readFileBounded(file, kFirmwareTextLimit);
        int number = 0;
        try {
            number = std::stoi(version);
        } catch (const std::exception&) {
        }
        if (!text.ok || text.truncated || number <= 0) {
            dialogs_.showMessage(catalogue_.text("A fájl nem használható:") + "\n" + file + ": " +
                                 (text.error.empty() ? "firmwareversion?" : text.error));
        } else {
            states.setFirmware({version, number, std::string(text.bytes.begin(), text.bytes.end()), false});
        }
    }
    uploads_->firmwareView.open();
    showMenuView(MenuView::Firmware);
}

void Z4Configurator::closeFirmwareView() {
    uploads_->firmwareView.close();
    if (closeView) closeView(MenuView::Firmware);
    changed();
}

void Z4Configurator::soundFileClicked(const std::string& edit) {
    const SoundField* field = nullptr;
    for (const SoundField& f : kSoundFields)
        if (edit == f.edit) field = &f;
    if (!field) return;
    auto& box = targets_.get<Edit>(field->edit);
    auto chosen = dialogs_.chooseOpenFile("wav");
    if (!chosen) return;
    std::string path = *chosen;
    const sound::SoundInfo info = sound::probeSound(path);
    if (info.readable && !info.moduleFormat && dialogs_.askYesNo(catalogue_.text(kConvertQuestion))) {
        const std::string converted = convertedSoundPath(path);
        const std::string error = sound::convertForModule(path, converted);
        if (error.empty()) {
            path = converted;
        } else {
            dialogs_.showMessage(error);
        }
    }
    const WavCheck check = checkWavFile(path);
    if (!check.error.empty()) {
        dialogs_.showMessage(catalogue_.text("A fájl nem használható:") + "\n" + path + ": " + check.error);
        box.setText("");
    } else if (!check.ok) {
        dialogs_.showMessage(catalogue_.text("Rossz formátum"));
        box.setText("");
    } else {
        box.setText(path);
    }
    changed();
}

void Z4Configurator::uploadSound(SoundSlot slot, const std::string& path) {
    if (path.empty()) {
        dialogs_.showMessage(catalogue_.text("Nincs file"));
        return;
    }
    const WavCheck check = checkWavFile(path);
    if (!check.error.empty()) {
        dialogs_.showMessage(catalogue_.text("A fájl nem használható:") + "\n" + path + ": " + check.error);
        return;
    }
    if (!check.ok) {
        dialogs_.showMessage(catalogue_.text("Rossz formátum"));
        return;
    }
    auto samples = FileSamples::open(path, check.dataStart);
    if (!samples) {
        dialogs_.showMessage(path + ": cannot be opened");
        return;
    }
    const bool sendNow = engine_->vars().operationRunning;
    engine_->abandonOperation();
    uploads_->uploads.startSound(soundSlotPage(slot), std::move(samples), check.sampleBytes(), sendNow);
}

bool Z4Configurator::uploadButtonClicked(const std::string& button) {
    for (const SoundField& f : kSoundFields) {
        if (button == f.button) {
            uploadSound(f.slot, targets_.get<Edit>(f.edit).text());
            changed();
            return true;
        }
    }
    if (button == "Button7") {
        targets_.get<Panel>("Panel30").setColor(kRed);
        uploadSound(SoundSlot::Siren, fixedSound("foszirena.wav"));
    } else if (button == "Button13") {
        targets_.get<Panel>("Panel29").setColor(kRed);
        uploadSound(SoundSlot::Dtmf, fixedSound("dtmf.wav"));
    } else if (button == "Button6") {
        // "Memory load": the maker's server on the GPRS page, then both templates.
        targets_.get<Edit>("Edit10").setText(std::string(z4config::kPresetAccessPoint));
        targets_.get<Edit>("Edit11").setText(std::string(z4config::kPresetServer));
        targets_.markEdited("Edit10");
        targets_.markEdited("Edit11");
        loadZoneTemplate();
        loadDefaultEventCodes();
    } else if (button == "Button12") {
        engine_->abandonOperation();
        refreshEditorPages();
        encodeImage();
        uploads_->uploads.startDataImage();
    } else {
        return false;
    }
    changed();
    return true;
}

}  // namespace vardeck::z4screen
