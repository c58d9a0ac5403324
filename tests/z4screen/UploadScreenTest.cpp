// The sound page, the production-test data upload and the firmware view against the
// simulated module's flash.
#include <gtest/gtest.h>

#include <sndfile.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "tests/z4screen/ScreenRig.h"
#include "z4screen/ConfiguratorControls.h"

namespace vardeck::testing {
namespace {

using z4screen::MenuView;
namespace fs = std::filesystem;

struct UploadRig : ScreenRig {
    UploadRig() : ScreenRig(71, 43) {
        handOverAndActivate();
        EXPECT_TRUE(runUntilIdle());
        fs::create_directories(dir);
    }
    ~UploadRig() { fs::remove_all(dir); }
    std::string writeWav(const std::string& name, std::size_t samples) {
        std::string bytes(44, '\0');
        std::memcpy(bytes.data(), "RIFF", 4);
        std::memcpy(bytes.data() + 36, "data", 4);
        for (std::size_t i = 0; i < samples; ++i) bytes += static_cast<char>(0x40 + i % 64);
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    bool tickUntil(const std::function<bool()>& done, int maxTicks = 20000) {
        for (int i = 0; i < maxTicks && !done(); ++i) tick();
        return done();
    }
    fs::path dir = fs::temp_directory_path() / ("vardeck-upload-screen-" + std::to_string(::getpid()));
};

TEST(UploadScreen, AChosenSoundIsCheckedAndUploadedIntoItsSlot) {
    UploadRig rig;
    rig.click("Button9");
    EXPECT_EQ(rig.dialogs.messages.back(), "Nincs file");
    rig.screen.menuClicked("Angol1");  // the program's own messages follow the language too
    rig.click("Button9");
    EXPECT_EQ(rig.dialogs.messages.back(), "No file");
    rig.screen.menuClicked("Magyar1");

    const std::string notWav = (rig.dir / "notes.txt").string();
    std::ofstream(notWav) << std::string(400, 'x');
    rig.dialogs.file = notWav;
    rig.screen.soundFileClicked("Edit13");
    EXPECT_EQ(rig.dialogs.messages.back(), "Rossz formátum");
    EXPECT_EQ(rig.control<controls::Edit>("Edit13").text(), "");

    rig.dialogs.file = rig.writeWav("hello.wav", 300);
    rig.screen.soundFileClicked("Edit13");
    EXPECT_EQ(rig.control<controls::Edit>("Edit13").text(), *rig.dialogs.file);
    rig.screen.pageSelected("TabSheet22");
    rig.click("Button9");
    ASSERT_TRUE(rig.tickUntil([&] { return rig.model.flash()[0x0401 * 256 + 43] != 0xFF; }));
    EXPECT_EQ(rig.model.flash()[0x0400 * 256], 0x40);
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_FALSE(rig.control<z4screen::ProgressGauge>("Gauge1").visible());
}

TEST(UploadScreen, ASoundTheModuleCannotPlayIsOfferedForConversion) {
    UploadRig rig;
    const std::string settings = (rig.dir / "settings.ini").string();
    ::setenv("VARDECK_SETTINGS", settings.c_str(), 1);
    const std::string cd = (rig.dir / "cd.wav").string();
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(cd.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr);
    std::vector<short> frames(22050 * 2, 1000);
    sf_writef_short(f, frames.data(), 22050);
    sf_close(f);

    rig.dialogs.file = cd;
    rig.dialogs.answer = true;
    rig.screen.soundFileClicked("Edit9");
    ::unsetenv("VARDECK_SETTINGS");
    EXPECT_EQ(rig.dialogs.questions.back(), z4screen::kConvertQuestion);
    const std::string converted = rig.control<controls::Edit>("Edit9").text();
    EXPECT_EQ(converted, (rig.dir / "sounds" / "cd-8kHz.wav").string());
    EXPECT_EQ(fs::file_size(converted), 44u + 8000u);
    EXPECT_EQ(fs::file_size(cd), 44u + 22050u * 4);  // the original is untouched
}

TEST(UploadScreen, TheFirmwareViewIdentifiesDownloadsAndClosesWhenTheModuleIsBack) {
    UploadRig rig;
    std::vector<MenuView> closed;
    rig.screen.closeView = [&](MenuView v) { closed.push_back(v); };
    rig.screen.menuClicked("Szoftverfrissts1");
    z4screen::FirmwareView& view = rig.screen.uploads().firmwareView;
    ASSERT_TRUE(rig.tickUntil([&] { return view.Label2.caption() == "Processor: J10"; }));
    EXPECT_EQ(view.Label3.caption(), "SW:43");
    ASSERT_TRUE(view.Button1.enabled());
    rig.screen.diagnosticClicked(MenuView::Firmware, "Button1");
    ASSERT_TRUE(rig.tickUntil([&] { return !closed.empty(); }, 100000));
    EXPECT_EQ(closed.front(), MenuView::Firmware);
    EXPECT_EQ(rig.model.counters().fpgaStarts, 1u);
    EXPECT_EQ(rig.model.flash()[0x3E00 * 256], 'V');
}

}  // namespace
}  // namespace vardeck::testing
