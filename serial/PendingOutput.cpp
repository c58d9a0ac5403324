#include "serial/PendingOutput.h"

#include <unistd.h>

#include <cerrno>

namespace vardeck {
namespace {

// Writes without blocking. Returns bytes written (0 when the device has no room), or -errno.
ssize_t writeSome(int fd, const uint8_t* data, size_t count) {
    for (;;) {
        ssize_t n = ::write(fd, data, count);
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return -errno;
    }
}

}  // namespace

PendingOutput::Start PendingOutput::start(int fd, const uint8_t* data, int count, int& taken) {
    taken = 0;
    std::lock_guard lock(mutex_);
    if (sent_ < rest_.size()) return Start::Busy;
    if (count <= 0 || data == nullptr) return Start::Sent;
    ssize_t n = writeSome(fd, data, static_cast<size_t>(count));
    if (n < 0) return Start::Failed;
    taken = static_cast<int>(n);
    if (n == count) return Start::Sent;
    rest_.assign(data + n, data + count);
    sent_ = 0;
    return Start::Queued;
}

PendingOutput::Resume PendingOutput::resume(int fd, int& error) {
    error = 0;
    std::lock_guard lock(mutex_);
    if (sent_ >= rest_.size()) return Resume::Idle;
    ssize_t n = writeSome(fd, rest_.data() + sent_, rest_.size() - sent_);
    if (n < 0) {
        error = static_cast<int>(-n);
        rest_.clear();
        sent_ = 0;
        return Resume::Failed;
    }
    sent_ += static_cast<size_t>(n);
    if (sent_ < rest_.size()) return Resume::Pending;
    rest_.clear();
    sent_ = 0;
    return Resume::Finished;
}

bool PendingOutput::busy() const {
    std::lock_guard lock(mutex_);
    return sent_ < rest_.size();
}

void PendingOutput::clear() {
    std::lock_guard lock(mutex_);
    rest_.clear();
    sent_ = 0;
}

}  // namespace vardeck
