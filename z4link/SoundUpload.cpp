#include "z4link/SoundUpload.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vardeck {

namespace {
constexpr std::size_t kHeadBytes = 256;
constexpr std::size_t kTagToSamples = 8;
}  // namespace

std::optional<std::size_t> wavDataStart(std::span<const uint8_t> head) {
    const std::size_t n = std::min(head.size(), kHeadBytes);
    for (std::size_t i = 0; i + 4 <= n; ++i) {
        if (head[i] == 'd' && head[i + 1] == 'a' && head[i + 2] == 't' && head[i + 3] == 'a') return i + kTagToSamples;
    }
    return std::nullopt;
}

std::unique_ptr<FileSamples> FileSamples::open(const std::string& path, std::size_t offset) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return nullptr;
    if (std::fseek(f, static_cast<long>(offset), SEEK_SET) != 0) {
        std::fclose(f);
        return nullptr;
    }
    return std::unique_ptr<FileSamples>(new FileSamples(f));
}

FileSamples::~FileSamples() { std::fclose(file_); }

std::size_t FileSamples::read(uint8_t* out, std::size_t max) { return std::fread(out, 1, max, file_); }

WavCheck checkWavFile(const std::string& path) {
    WavCheck check;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        check.error = std::strerror(errno);
        return check;
    }
    std::vector<uint8_t> head(kHeadBytes);
    head.resize(std::fread(head.data(), 1, head.size(), f));
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        check.fileSize = size > 0 ? static_cast<std::size_t>(size) : 0;
    }
    std::fclose(f);
    if (auto start = wavDataStart(head)) {
        check.ok = true;
        check.dataStart = *start;
    }
    return check;
}

uint16_t soundSlotPage(SoundSlot slot) {
    switch (slot) {
        case SoundSlot::Input1: return 0x0300;
        case SoundSlot::Input2: return 0x0400;
        case SoundSlot::Input3: return 0x0500;
        case SoundSlot::Input4: return 0x0600;
        case SoundSlot::Siren: return 0x0F00;
        case SoundSlot::Dtmf: return 0x0FE0;
    }
    return 0x0300;
}

std::optional<SoundSlot> soundSlotByName(const std::string& name) {
    if (name == "1") return SoundSlot::Input1;
    if (name == "2") return SoundSlot::Input2;
    if (name == "3") return SoundSlot::Input3;
    if (name == "4") return SoundSlot::Input4;
    if (name == "siren") return SoundSlot::Siren;
    if (name == "dtmf") return SoundSlot::Dtmf;
    return std::nullopt;
}

}  // namespace vardeck
