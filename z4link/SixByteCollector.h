#pragma once
#include <array>
#include <cstdint>

namespace vardeck {

class CommChannel;

// The six-byte reply buffer of the search and the small device screens. A
// notification's bytes are appended while the total stays within six; a
// notification that would pass six drops its bytes together with those collected
// before, so nothing is ever stored beyond the six bytes.
class SixByteCollector {
public:
    static constexpr int kSize = 6;

    SixByteCollector() { reset(); }

    // Reads the `count` bytes a receive notification announced (all of them, so
    // that none linger in the channel). True when this notification brought the
    // buffer to exactly six bytes; a notification that brought nothing never is.
    bool collect(CommChannel& channel, int count);

    // All six bytes 0xFF and the count 0.
    void reset();
    // Count 0, bytes kept.
    void restart() { fill_ = 0; }

    int fill() const { return fill_; }
    const uint8_t* bytes() const { return bytes_.data(); }
    uint8_t operator[](int i) const { return bytes_[static_cast<std::size_t>(i)]; }

private:
    std::array<uint8_t, kSize> bytes_{};
    int fill_ = 0;
};

}  // namespace vardeck
