#pragma once
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace vardeck {

// Where the samples of a WAV file start: the "data" tag must stand within the
// file's first 256 bytes; the first sample is 8 bytes after its "d" (the tag and
// the chunk length are skipped). Nothing when there is no tag there.
std::optional<std::size_t> wavDataStart(std::span<const uint8_t> head);

// The samples an upload sends, read block by block. A file that vanishes or
// shrinks meanwhile simply ends early.
class SampleSource {
public:
    virtual ~SampleSource() = default;
    // Reads up to `max` bytes; returns how many (0 at the end).
    virtual std::size_t read(uint8_t* out, std::size_t max) = 0;
};

// The samples of a file from a given offset.
class FileSamples : public SampleSource {
public:
    // Nothing when the file cannot be opened.
    static std::unique_ptr<FileSamples> open(const std::string& path, std::size_t offset);
    ~FileSamples() override;
    std::size_t read(uint8_t* out, std::size_t max) override;

private:
    explicit FileSamples(std::FILE* file) : file_(file) {}
    std::FILE* file_;
};

// The result of checking a chosen sound file.
struct WavCheck {
    bool ok = false;
    std::size_t dataStart = 0;
    std::size_t fileSize = 0;
    std::string error;  // the system's reason when the file could not be read
    // The sample bytes after the data start; none when the file ends inside the
    // data chunk's header.
    std::size_t sampleBytes() const { return fileSize > dataStart ? fileSize - dataStart : 0; }
};
WavCheck checkWavFile(const std::string& path);

// The sound slots: where each one's sound lives in the module's memory.
enum class SoundSlot { Input1, Input2, Input3, Input4, Siren, Dtmf };
uint16_t soundSlotPage(SoundSlot slot);
std::optional<SoundSlot> soundSlotByName(const std::string& name);  // "1".."4", "siren", "dtmf"

}  // namespace vardeck
