#include "serial/InputQueue.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vardeck {
namespace {

constexpr size_t kChunk = 4096;

// Drops the zero bytes of a chunk in place; returns the new length.
size_t stripZeros(uint8_t* data, size_t length) {
    return static_cast<size_t>(std::remove(data, data + length, uint8_t{0}) - data);
}

}  // namespace

InputQueue::InputQueue(size_t capacity) : ring_(std::max<size_t>(capacity, 1)) {}

InputQueue::FillResult InputQueue::fill(int fd, bool stripNulls) {
    FillResult result;
    std::lock_guard lock(mutex_);
    size_t room = std::min(ring_.size() - size_, kChunk);
    if (room == 0) return result;
    uint8_t chunk[kChunk];
    ssize_t n = ::read(fd, chunk, room);
    if (n < 0) {
        if (errno != EAGAIN && errno != EINTR) result.error = errno;
        return result;
    }
    if (n == 0) {  // a terminal reads 0 only after a hang-up
        result.error = EIO;
        return result;
    }
    size_t length = static_cast<size_t>(n);
    result.sawEventChar = std::memchr(chunk, kEventChar, length) != nullptr;
    if (stripNulls) length = stripZeros(chunk, length);
    pushLocked(chunk, length);
    result.added = static_cast<int>(length);
    return result;
}

InputQueue::TakeResult InputQueue::take(int fd, uint8_t* buffer, int count, bool stripNulls) {
    TakeResult result;
    if (count <= 0 || buffer == nullptr) return result;
    std::lock_guard lock(mutex_);
    bool wasFull = size_ == ring_.size();
    size_t got = popLocked(buffer, static_cast<size_t>(count));
    // Bytes that came in after the queue was last filled are read directly, in order:
    // everything in the queue is older than what the device still holds.
    while (got < static_cast<size_t>(count)) {
        ssize_t n = ::read(fd, buffer + got, static_cast<size_t>(count) - got);
        if (n <= 0) break;  // nothing more now, or the device failed: the reader thread will see it
        size_t length = static_cast<size_t>(n);
        if (stripNulls) length = stripZeros(buffer + got, length);
        got += length;
    }
    result.count = static_cast<int>(got);
    result.freedRoom = wasFull && size_ < ring_.size();
    return result;
}

int InputQueue::waiting(int fd) const {
    std::lock_guard lock(mutex_);  // the reader thread moves bytes only under this lock
    int inDevice = 0;
    if (::ioctl(fd, FIONREAD, &inDevice) != 0 || inDevice < 0) inDevice = 0;
    return static_cast<int>(size_) + inDevice;
}

bool InputQueue::full() const {
    std::lock_guard lock(mutex_);
    return size_ == ring_.size();
}

void InputQueue::clear() {
    std::lock_guard lock(mutex_);
    head_ = 0;
    size_ = 0;
}

size_t InputQueue::popLocked(uint8_t* out, size_t count) {
    size_t taken = std::min(count, size_);
    size_t first = std::min(taken, ring_.size() - head_);
    std::memcpy(out, ring_.data() + head_, first);
    std::memcpy(out + first, ring_.data(), taken - first);
    head_ = (head_ + taken) % ring_.size();
    size_ -= taken;
    return taken;
}

void InputQueue::pushLocked(const uint8_t* in, size_t count) {
    size_t tail = (head_ + size_) % ring_.size();
    size_t first = std::min(count, ring_.size() - tail);
    std::memcpy(ring_.data() + tail, in, first);
    std::memcpy(ring_.data(), in + first, count - first);
    size_ += count;
}

}  // namespace vardeck
