#include "z4link/ReceiveBuffer.h"

#include <algorithm>

#include "serial/CommChannel.h"

namespace vardeck {

void ReceiveBuffer::clear() {
    std::fill_n(bytes_.begin(), kClearedPrefix, uint8_t{0xFF});
    fill_ = 0;
}

int ReceiveBuffer::appendFrom(CommChannel& channel, int count) {
    if (count <= 0) return 0;
    const int room = kCapacity - fill_;
    const int wanted = std::min(count, room);
    int stored = 0;
    if (wanted > 0) {
        // The channel may hand over fewer bytes than announced; never trust more.
        stored = std::clamp(channel.Read(bytes_.data() + fill_, wanted), 0, wanted);
        fill_ += stored;
    }
    // Drain what does not fit so the next notification starts with fresh bytes.
    int excess = count - wanted;
    uint8_t scratch[256];
    while (excess > 0) {
        const int chunk = std::min<int>(excess, sizeof scratch);
        const int got = channel.Read(scratch, chunk);
        if (got <= 0) break;
        excess -= std::min(got, chunk);
    }
    return stored;
}

int ReceiveBuffer::append(const uint8_t* bytes, int count) {
    if (count <= 0) return 0;
    const int stored = std::min(count, kCapacity - fill_);
    std::copy_n(bytes, stored, bytes_.begin() + fill_);
    fill_ += stored;
    return stored;
}

void ReceiveBuffer::setFill(int fill) { fill_ = std::clamp(fill, 0, kCapacity); }

uint8_t ReceiveBuffer::at(int position) const {
    if (position < 0 || position >= kCapacity) return 0xFF;
    return bytes_[static_cast<std::size_t>(position)];
}

void ReceiveBuffer::put(int position, uint8_t value) {
    if (position < 0 || position >= kCapacity) return;
    bytes_[static_cast<std::size_t>(position)] = value;
}

}  // namespace vardeck
