// Profile files ("*.dat") an installer opens, and the personal profile "custom.dat"
// of the start directory: any file is refused or loaded into the image and editor,
// and a loaded profile saved again opens with the same customer record and image.
//
// Input: the device type and which file it is, then the file.
#include "fuzz/FuzzInput.h"
#include "z4config/ProfileFormat.h"
#include "z4config/Z4ProfileMenu.h"

using namespace vardeck;
using namespace vardeck::z4config;

namespace {

constexpr int kTypes[] = {kTypeZ4, kTypeTrix, kTypeZ1, kTypeGps, kTypeCid};

void openProfile(Z4Editor& editor, Image& image, const std::string& path, std::size_t size) {
    const ProfileLoad load = loadProfileFile(path, editor, image);
    VARDECK_FUZZ_CHECK(load.outcome != ProfileLoad::Outcome::Unreadable);
    VARDECK_FUZZ_CHECK(load.fileSize == std::min(size, kLongProfileSize + 1));
    if (load.outcome != ProfileLoad::Outcome::Loaded) return;

    CustomerFields customer;
    for (std::size_t i = 0; i < customer.size(); ++i) customer[i] = editor.get<controls::Edit>(kCustomerFields[i]).text();
    const std::vector<std::uint8_t> saved = makeProfile(image, editor.deviceType(), customer);
    const ProfileRead reread = readProfile(saved, editor.deviceType());
    VARDECK_FUZZ_CHECK(reread.content.has_value());
    VARDECK_FUZZ_CHECK(reread.content->customer == customer);
    VARDECK_FUZZ_CHECK(std::equal(reread.content->imageBytes.begin(), reread.content->imageBytes.end(), image.begin()));
}

void applyPersonalProfile(Z4Editor& editor, Image& image, const std::string& path) {
    ProfileEnvironment environment;
    environment.personalProfilePath = path;
    Z4ProfileMenu menu(editor, image, environment);
    menu.togglePersonalProfileRefusal();  // allowed
    menu.applyPersonalProfile();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    fuzz::FuzzInput in(data, size);
    const uint8_t choice = in.byte();
    const int type = kTypes[choice % 5];
    const auto bytes = in.rest();
    const std::string& path = file.hold(bytes);

    Z4Editor editor(type);
    editor.setUpForDeviceType(type);
    Image image;
    image.fill(0xFF);
    if (choice & 0x80) {
        applyPersonalProfile(editor, image, path);
    } else {
        openProfile(editor, image, path, bytes.size());
    }
    return 0;
}
