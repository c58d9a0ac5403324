// Figures of the Z-4 configuration image: decoding a whole image into the editor and
// encoding the editor into an image, medians over many runs.
#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "bench/Bench.h"
#include "z4config/ImageBinding.h"

namespace vardeck::bench {
namespace {

constexpr int kRuns = 301;

template <class Step>
double medianMicroseconds(Step step) {
    std::vector<double> times;
    times.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        step();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

int runImage(const BenchOptions&) {
    using namespace z4config;
    std::mt19937 rng(2024);
    Image source;
    for (auto& b : source) b = static_cast<std::uint8_t>(rng());
    source[254] = 41;

    Z4Editor editor(kTypeCid);  // the Z-CID decodes and encodes the most: headers, strings, both tables
    Image image = source;
    report("image_decode_median", medianMicroseconds([&] {
               image = source;
               decodeImage(image, editor);
           }),
           "us");
    const EncodeContext context{"*Bench", "TRIX"};
    report("image_encode_median", medianMicroseconds([&] {
               editor.refreshPagesBeforeWrite();
               encodeImage(editor, image, context);
           }),
           "us");
    return 0;
}

const BenchRegistrar imageGroup("image", runImage);

}  // namespace
}  // namespace vardeck::bench
