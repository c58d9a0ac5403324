// The sound file check before an upload: any file is refused or gives a data start
// that lies after a "data" tag in its first 256 bytes, and the sample count the
// upload announces is what the file really holds from there.
#include <cstring>

#include "fuzz/FuzzInput.h"
#include "z4link/SoundUpload.h"

using namespace vardeck;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    const std::string& path = file.hold({data, size});
    const WavCheck check = checkWavFile(path);
    VARDECK_FUZZ_CHECK(check.error.empty());
    if (!check.ok) return 0;
    VARDECK_FUZZ_CHECK(check.fileSize == size);
    VARDECK_FUZZ_CHECK(check.dataStart >= 8 && check.dataStart - 8 + 4 <= std::min<std::size_t>(size, 256));
    VARDECK_FUZZ_CHECK(std::memcmp(data + check.dataStart - 8, "data", 4) == 0);

    auto samples = FileSamples::open(path, check.dataStart);
    VARDECK_FUZZ_CHECK(samples != nullptr);
    uint8_t block[256];
    std::size_t total = 0;
    while (const std::size_t n = samples->read(block, sizeof block)) total += n;
    VARDECK_FUZZ_CHECK(total == check.sampleBytes());
    return 0;
}
