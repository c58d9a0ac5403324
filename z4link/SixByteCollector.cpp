#include "z4link/SixByteCollector.h"

#include <algorithm>

#include "serial/CommChannel.h"

namespace vardeck {

void SixByteCollector::reset() {
    bytes_.fill(0xFF);
    fill_ = 0;
}

bool SixByteCollector::collect(CommChannel& channel, int count) {
    uint8_t incoming[64];
    int received = 0;
    bool overflow = false;
    // Read in chunks: a noisy line may announce far more than six bytes.
    while (received < count) {
        const int chunk = std::min<int>(count - received, sizeof incoming);
        const int got = std::clamp(channel.Read(incoming, chunk), 0, chunk);
        if (got == 0) break;
        if (!overflow && fill_ + received + got <= kSize) {
            std::copy_n(incoming, got, bytes_.begin() + fill_ + received);
        } else {
            overflow = true;
        }
        received += got;
    }
    if (received == 0) return false;
    if (overflow) {
        fill_ = 0;
        return false;
    }
    fill_ += received;
    return fill_ == kSize;
}

}  // namespace vardeck
