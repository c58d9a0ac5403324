#include "sound/ModuleSound.h"

#include <samplerate.h>
#include <sndfile.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace vardeck::sound {
namespace {

struct SndCloser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using SndFile = std::unique_ptr<SNDFILE, SndCloser>;

SndFile openRead(const std::string& path, SF_INFO& info, std::string& error) {
    info = SF_INFO{};
    SndFile f(sf_open(path.c_str(), SFM_READ, &info));
    if (!f) error = sf_strerror(nullptr);
    return f;
}

}  // namespace

SoundInfo probeSound(const std::string& path) {
    SoundInfo s;
    SF_INFO info;
    SndFile f = openRead(path, info, s.error);
    if (!f) return s;
    s.readable = true;
    s.rate = info.samplerate;
    s.channels = info.channels;
    s.frames = info.frames;
    s.moduleFormat = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV &&
                     (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_U8 && info.channels == 1 &&
                     info.samplerate == kModuleRate;
    return s;
}

std::string convertForModule(const std::string& in, const std::string& out) {
    SF_INFO info;
    std::string error;
    SndFile source = openRead(in, info, error);
    if (!source) return in + ": " + error;
    if (info.channels < 1 || info.samplerate < 1) return in + ": no sound in the file";

    // Read as float, mixed down to mono, at most kMaxSeconds.
    const long long limit = static_cast<long long>(info.samplerate) * kMaxSeconds;
    std::vector<float> frame(static_cast<std::size_t>(info.channels) * 1024);
    std::vector<float> mono;
    for (long long total = 0; total < limit;) {
        const sf_count_t got = sf_readf_float(source.get(), frame.data(), 1024);
        if (got <= 0) break;
        for (sf_count_t i = 0; i < got && total < limit; ++i, ++total) {
            float sum = 0;
            for (int c = 0; c < info.channels; ++c) sum += frame[static_cast<std::size_t>(i * info.channels + c)];
            mono.push_back(sum / static_cast<float>(info.channels));
        }
    }
    if (mono.empty()) return in + ": no samples";

    std::vector<float> resampled;
    if (info.samplerate == kModuleRate) {
        resampled = std::move(mono);
    } else {
        const double ratio = static_cast<double>(kModuleRate) / info.samplerate;
        resampled.resize(static_cast<std::size_t>(mono.size() * ratio) + 16);
        SRC_DATA data{};
        data.data_in = mono.data();
        data.input_frames = static_cast<long>(mono.size());
        data.data_out = resampled.data();
        data.output_frames = static_cast<long>(resampled.size());
        data.src_ratio = ratio;
        if (const int e = src_simple(&data, SRC_SINC_MEDIUM_QUALITY, 1)) return std::string("resampling: ") + src_strerror(e);
        resampled.resize(static_cast<std::size_t>(data.output_frames_gen));
    }

    const std::string temp = out + ".tmp";
    SF_INFO outInfo{};
    outInfo.samplerate = kModuleRate;
    outInfo.channels = 1;
    outInfo.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
    {
        SndFile target(sf_open(temp.c_str(), SFM_WRITE, &outInfo));
        if (!target) return out + ": " + sf_strerror(nullptr);
        // Values beyond full scale are clipped, not wrapped.
        sf_command(target.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
        const sf_count_t n = static_cast<sf_count_t>(resampled.size());
        if (sf_writef_float(target.get(), resampled.data(), n) != n) {
            error = out + ": " + sf_strerror(target.get());
        }
    }
    if (error.empty() && std::rename(temp.c_str(), out.c_str()) != 0) error = out + ": cannot replace the file";
    if (!error.empty()) std::remove(temp.c_str());
    return error;
}

}  // namespace vardeck::sound
