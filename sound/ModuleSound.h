#pragma once
#include <string>

namespace vardeck::sound {

// The module plays 8 kHz, 8-bit unsigned, mono PCM from WAV files.
inline constexpr int kModuleRate = 8000;
// Longer input is cut: the module holds about eight seconds a slot anyway, and a
// bound keeps a mistaken choice (an hour of music) from filling the memory.
inline constexpr int kMaxSeconds = 60;

struct SoundInfo {
    bool readable = false;
    std::string error;  // why not, in libsndfile's words
    int rate = 0;
    int channels = 0;
    long long frames = 0;
    bool moduleFormat = false;  // already 8 kHz, 8-bit unsigned, mono PCM WAV
};
SoundInfo probeSound(const std::string& path);

// Converts any sound libsndfile reads (WAV, FLAC, OGG, ...) to the module's format:
// channels mixed to mono, resampled to 8 kHz, written as 8-bit unsigned PCM WAV.
// The output is written through a temporary file and renamed, so a failure leaves
// nothing half written; the input is never touched. Returns an error text, empty
// on success.
std::string convertForModule(const std::string& in, const std::string& out);

}  // namespace vardeck::sound
