#include "z4config/Z4ProfileMenu.h"

#include <algorithm>

#include "z4config/ProfileFiles.h"
#include "z4config/ProfileFormat.h"

namespace vardeck::z4config {

using namespace controls;

namespace {

constexpr const char* kProfileExtension = "dat";

// The save dialog's default extension: a name chosen without one gets ".dat".
std::string withDefaultExtension(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot != 0) return path;
    return path + "." + kProfileExtension;
}

std::string sizeText(std::size_t bytes) { return std::to_string(bytes) + " bájt"; }

}  // namespace

ProfileLoad loadProfileFile(const std::string& path, Z4Editor& editor, Image& image) {
    ProfileLoad load;
    load.neededSize = profileImageLength(editor.deviceType()) + kCustomerRecordSize;
    const FileBytes file = readFileBounded(path, kLongProfileSize);
    load.fileSize = file.bytes.size() + (file.truncated ? 1 : 0);
    if (!file.ok) {
        load.reason = file.error;
        return load;
    }
    const ProfileRead read = file.truncated ? ProfileRead{std::nullopt, ProfileProblem::TooLong}
                                            : readProfile(file.bytes, editor.deviceType());
    if (read.problem != ProfileProblem::None) {
        load.outcome = read.problem == ProfileProblem::TooLong ? ProfileLoad::Outcome::TooLong : ProfileLoad::Outcome::TooShort;
        return load;
    }
    std::copy(read.content->imageBytes.begin(), read.content->imageBytes.end(), image.begin());
    for (std::size_t i = 0; i < kCustomerFields.size(); ++i) editor.get<Edit>(kCustomerFields[i]).setText(read.content->customer[i]);
    decodeImage(image, editor);
    load.outcome = ProfileLoad::Outcome::Loaded;
    return load;
}

std::string saveProfileFile(const std::string& path, Z4Editor& editor, const Image& image) {
    CustomerFields customer;
    for (std::size_t i = 0; i < customer.size(); ++i) {
        customer[i] = editor.get<Edit>(kCustomerFields[i]).text();
        if (customer[i].empty()) customer[i] = " ";
    }
    const std::string error = writeFileAtomically(path, makeProfile(image, editor.deviceType(), customer));
    if (error.empty())
        for (std::size_t i = 0; i < customer.size(); ++i) editor.get<Edit>(kCustomerFields[i]).setText(customer[i]);
    return error;
}

std::optional<WindowScale> windowScaleFor(const std::string& monitorValue) {
    if (monitorValue == "0") return WindowScale{1, 2};
    if (monitorValue == "1") return WindowScale{2, 3};
    if (monitorValue == "3") return WindowScale{4, 3};
    if (monitorValue == "4") return WindowScale{5, 3};
    return std::nullopt;
}

Z4ProfileMenu::Z4ProfileMenu(Z4Editor& editor, Image& image, ProfileEnvironment environment)
    : editor_(editor), image_(image), env_(std::move(environment)) {}

void Z4ProfileMenu::message(const char* hungarianKey, const std::string& details) {
    if (!env_.dialogs) return;
    std::string text = lookUp(env_.messages, hungarianKey);
    if (!details.empty()) text += "\n" + details;
    env_.dialogs->showMessage(text);
}

bool Z4ProfileMenu::saveProfile(const EncodeContext& context) {
    encodeImage(editor_, image_, context);
    if (!env_.dialogs) return false;
    const std::optional<std::string> chosen = env_.dialogs->chooseSaveFile(kProfileExtension);
    if (!chosen || chosen->empty()) return false;
    const std::string path = withDefaultExtension(*chosen);
    const std::string error = saveProfileFile(path, editor_, image_);
    if (!error.empty()) message(kProfileWriteFailed, path + ": " + error);
    return error.empty();
}

bool Z4ProfileMenu::openProfile() {
    if (!env_.dialogs) return false;
    const std::optional<std::string> path = env_.dialogs->chooseOpenFile(kProfileExtension);
    if (!path || path->empty()) return false;
    const ProfileLoad load = loadProfileFile(*path, editor_, image_);
    switch (load.outcome) {
        case ProfileLoad::Outcome::Loaded: return true;
        case ProfileLoad::Outcome::Unreadable: message(kProfileReadFailed, *path + ": " + load.reason); break;
        case ProfileLoad::Outcome::TooLong: message(kProfileTooLong, *path + " (> " + sizeText(kLongProfileSize) + ")"); break;
        case ProfileLoad::Outcome::TooShort:
            message(kProfileTooShort, *path + " (" + sizeText(load.fileSize) + ", szükséges: " + sizeText(load.neededSize) + ")");
            break;
    }
    return false;
}

bool Z4ProfileMenu::savePersonalProfile() {
    const std::string error =
        writeFileAtomically(env_.personalProfilePath, std::span<const std::uint8_t>(image_.data(), kPersonalProfileSize));
    if (error.empty()) return true;
    message(kPersonalProfileWriteFailed, env_.personalProfilePath + ": " + error);
    return false;
}

void Z4ProfileMenu::togglePersonalProfileRefusal() {
    refused_ = !refused_;
    env_.settings.set(kRefusalSetting, refused_ ? "True" : "False");
}

void Z4ProfileMenu::fillCustomerDefaults(const std::string& deviceName, const std::string& dateTime) {
    Edit& device = editor_.get<Edit>("Edit6");
    Edit& date = editor_.get<Edit>("Edit7");
    if (device.text().empty()) device.setText(deviceName);
    if (date.text().empty()) date.setText(dateTime);
}

void Z4ProfileMenu::applyPersonalProfile() {
    if (env_.settings.get(kRefusalSetting) == "True") refused_ = true;
    if (refused_ || env_.personalProfilePath.empty()) return;
    // A longer file (a whole profile copied there) gives its first 1024 bytes; a
    // missing or short one is no personal profile.
    const FileBytes file = readFileBounded(env_.personalProfilePath, kPersonalProfileSize);
    if (!file.ok || file.bytes.size() != kPersonalProfileSize) return;
    std::copy(file.bytes.begin(), file.bytes.end(), image_.begin());
    decodeImage(image_, editor_);
}

std::optional<WindowScale> Z4ProfileMenu::firstActivationScale() {
    if (activatedBefore_) return std::nullopt;
    activatedBefore_ = true;
    const std::string stored = env_.settings.get(kMonitorSetting);
    const std::string value = stored.empty() ? std::string("2") : stored;
    if (stored.empty()) env_.settings.set(kMonitorSetting, value);
    return windowScaleFor(value);
}

void Z4ProfileMenu::showHelp() { message(kHelpMessage, {}); }

std::string Z4ProfileMenu::versionMessage() const {
    switch (env_.brandCode) {
        case 10: return "Quorvex Programska različica 2.1";
        case 20: return "Program version 2.1";
        case 30: return "Cadrel-unit Program version 2.2";
        case 50: return "Vantrix program version 2.3";
        default: return env_.programTitle;
    }
}

void Z4ProfileMenu::showVersion() {
    if (env_.dialogs) env_.dialogs->showMessage(versionMessage());
}

}  // namespace vardeck::z4config
