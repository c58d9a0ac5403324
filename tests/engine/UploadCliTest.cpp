// vardeck-cli upload and sound convert against vardeck-sim's flash over a pty.
#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>
#include <csignal>
#include <cstring>

#include "sim/SimProcess.h"
#include "sound/ModuleSound.h"
#include "tests/engine/CliRun.h"
#include "tests/sim/TestFiles.h"
#include "z4link/FirmwareImage.h"

namespace vardeck::testing {
namespace {

using namespace std::chrono_literals;
using sim::Bytes;

constexpr std::size_t kPage = 256;
constexpr std::size_t kFlashSize = 16384 * kPage;

Bytes page(const Bytes& flash, std::size_t number) {
    return Bytes(flash.begin() + static_cast<long>(number * kPage), flash.begin() + static_cast<long>((number + 1) * kPage));
}

class UploadCli : public ::testing::Test {
protected:
    void startSim(int firmware) {
        std::string error;
        ASSERT_TRUE(sim.start(VARDECK_SIM_PATH,
                              {"--device", "71", "--firmware", std::to_string(firmware), "--flash", dir.file("flash.bin")},
                              10s, error))
            << error;
        port = " --port " + sim.slavePath() + " --type 71";
    }
    Bytes stopAndReadFlash() {
        EXPECT_TRUE(sim.stop(SIGTERM, 10s).has_value());
        return sim::testfiles::readFile(dir.file("flash.bin"));
    }
    sim::testfiles::TempDir dir{"vardeck-upload-cli"};
    sim::SimProcess sim;
    std::string port;
};

TEST_F(UploadCli, SoundAndDataImageLandInTheirPages) {
    // A WAV file: a 44-byte header with the "data" tag at 36, then 300 samples.
    Bytes wav(44, 0);
    std::memcpy(wav.data(), "RIFF", 4);
    std::memcpy(wav.data() + 36, "data", 4);
    for (int i = 0; i < 300; ++i) wav.push_back(i == 5 ? 0xFF : static_cast<uint8_t>(i));
    sim::testfiles::writeFile(dir.file("in.wav"), wav);
    Bytes image(8192);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i / 7);
    sim::testfiles::writeFile(dir.file("image.bin"), image);
    startSim(43);

    const std::pair<const char*, std::size_t> slots[] = {{"1", 0x0300}, {"3", 0x0500}, {"4", 0x0600},
                                                         {"siren", 0x0F00}, {"dtmf", 0x0FE0}, {"2", 0x0400}};
    for (const auto& [slot, firstPage] : slots)
        ASSERT_EQ(cli("upload sound" + port + " --slot " + slot + " --in " + dir.file("in.wav")).exitCode, 0) << slot;
    ASSERT_EQ(cli("upload data" + port + " --in " + dir.file("image.bin")).exitCode, 0);
    const Bytes flash = stopAndReadFlash();
    ASSERT_EQ(flash.size(), kFlashSize);
    for (const auto& [slot, firstPage] : slots) EXPECT_EQ(page(flash, firstPage)[4], 4) << slot;
    const Bytes first = page(flash, 0x0400);
    EXPECT_EQ(first[4], 4);
    EXPECT_EQ(first[5], 0xFE);
    const Bytes last = page(flash, 0x0401);
    EXPECT_EQ(last[43], static_cast<uint8_t>(299));
    EXPECT_TRUE(std::all_of(last.begin() + 44, last.end(), [](uint8_t b) { return b == 0xFF; }));
    const Bytes block0 = page(flash, 0);
    EXPECT_EQ(block0[253], image[253]);
    EXPECT_EQ(block0[254], 0x1C);
    EXPECT_EQ(block0[255], 0x47);
    EXPECT_EQ(page(flash, 8), Bytes(image.begin() + 8 * 256, image.begin() + 9 * 256));
}

TEST_F(UploadCli, FirmwareBothWaysFillsTheFirmwarePagesWithTheUnpackedImage) {
    std::string reason;
    const auto buffer = unpackFirmwareText(carriedFirmware().hexText, reason);
    ASSERT_TRUE(buffer);
    for (int moduleFirmware : {40, 37}) {
        SCOPED_TRACE(moduleFirmware);
        std::remove(dir.file("flash.bin").c_str());
        startSim(moduleFirmware);
        ASSERT_EQ(cli("upload firmware" + port).exitCode, 0);
        // The restarted module reports the new firmware.
        EXPECT_EQ(cli("read" + port + " --timeout-s 1 --out /dev/null").exitCode, 0);
        const Bytes flash = stopAndReadFlash();
        ASSERT_EQ(flash.size(), kFlashSize);
        const std::size_t blocks = moduleFirmware >= 38 ? 256 : 255;
        EXPECT_TRUE(std::equal(buffer->begin(), buffer->begin() + static_cast<long>(blocks * kPage),
                               flash.begin() + static_cast<long>(0x3E00 * kPage)));
    }
}

TEST_F(UploadCli, ANewerModuleIsNotDowngradedAndBadInputIsRefused) {
    startSim(44);
    EXPECT_EQ(cli("upload firmware" + port).exitCode, 1);
    EXPECT_EQ(cli("upload sound" + port + " --slot 9 --in x.wav").exitCode, 2);
    sim::testfiles::writeFile(dir.file("nodata.wav"), Bytes(600, 'x'));
    EXPECT_EQ(cli("upload sound" + port + " --slot 1 --in " + dir.file("nodata.wav")).exitCode, 1);
}

TEST(SoundConvert, AStereoCdQualityFileBecomesEightKilohertzEightBitMono) {
    sim::testfiles::TempDir dir("vardeck-sound");
    const std::string in = dir.file("cd.wav");
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(in.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr);
    std::vector<short> frames(44100 * 2);
    for (int i = 0; i < 44100; ++i) frames[i * 2] = frames[i * 2 + 1] = static_cast<short>(8000 * std::sin(i * 0.05));
    sf_writef_short(f, frames.data(), 44100);
    sf_close(f);

    EXPECT_FALSE(sound::probeSound(in).moduleFormat);
    ASSERT_EQ(cli("sound convert " + in + " " + dir.file("module.wav")).exitCode, 0);
    const sound::SoundInfo out = sound::probeSound(dir.file("module.wav"));
    EXPECT_TRUE(out.moduleFormat);
    EXPECT_EQ(out.rate, 8000);
    EXPECT_NEAR(static_cast<double>(out.frames), 8000.0, 20.0);
    EXPECT_EQ(cli("sound convert " + dir.file("none.wav") + " " + dir.file("x.wav")).exitCode, 1);
}

}  // namespace
}  // namespace vardeck::testing
