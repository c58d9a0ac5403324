#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace vardeck {

// The channel's input queue: the reader thread moves received bytes from the
// device into it, so that every arrival is one event and the kernel's level-
// triggered readiness cannot spin the thread when an owner leaves bytes unread.
// When the queue is full the reader thread stops taking bytes and the device's
// own buffer (and handshake) holds the rest; nothing is dropped.
//
// Thread-safe: the reader thread fills, the user-interface thread takes.
class InputQueue {
public:
    explicit InputQueue(size_t capacity);

    struct FillResult {
        int added = 0;              // bytes moved into the queue
        int error = 0;              // errno when the device failed or hung up
        bool sawEventChar = false;  // the event character was among the bytes
    };
    // Moves what the device has (up to the free room) into the queue. Non-blocking.
    FillResult fill(int fd, bool stripNulls);

    struct TakeResult {
        int count = 0;            // bytes copied
        bool freedRoom = false;   // the queue was full and now has room again
    };
    // Copies up to `count` bytes: first from the queue, then straight from the device.
    TakeResult take(int fd, uint8_t* buffer, int count, bool stripNulls);

    // Bytes waiting: the queue's and those the device holds (FIONREAD).
    int waiting(int fd) const;
    bool full() const;
    void clear();

    // The byte that raises the event-character notification.
    static constexpr uint8_t kEventChar = 0;

private:
    size_t popLocked(uint8_t* out, size_t count);
    void pushLocked(const uint8_t* in, size_t count);

    mutable std::mutex mutex_;
    std::vector<uint8_t> ring_;
    size_t head_ = 0;
    size_t size_ = 0;
};

}  // namespace vardeck
