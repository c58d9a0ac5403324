#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace vardeck {

class CommChannel;

// The Z-4 screen's receive buffer: 5000 bytes and a fill count. Receive
// notifications append at the fill count; nothing is ever written past the end.
class ReceiveBuffer {
public:
    static constexpr int kCapacity = 5000;
    // Clearing fills this many leading bytes with 0xFF so that the AT reply
    // parsers, which look at fixed positions, never see stale text there.
    static constexpr int kClearedPrefix = 256;

    ReceiveBuffer() { clear(); }

    // Fill count 0 and the first 256 bytes 0xFF.
    void clear();
    // Fill count 0, contents kept.
    void reset() { fill_ = 0; }

    // Reads the `count` bytes a receive notification announced from the channel and
    // appends them. Bytes that do not fit any more are still read from the channel
    // (so they do not linger there) and dropped. Returns the number of bytes stored.
    int appendFrom(CommChannel& channel, int count);
    // Appends bytes held by the caller, with the same overflow rule.
    int append(const uint8_t* bytes, int count);

    int fill() const { return fill_; }
    // Moves the fill count (clamped to 0..capacity), e.g. to cut a reply back to six bytes.
    void setFill(int fill);

    // Byte at a position of the whole buffer; 0xFF outside it.
    uint8_t at(int position) const;
    // Overwrites one byte inside the buffer; positions outside it are ignored.
    void put(int position, uint8_t value);

    const uint8_t* data() const { return bytes_.data(); }

private:
    std::array<uint8_t, kCapacity> bytes_{};
    int fill_ = 0;
};

}  // namespace vardeck
