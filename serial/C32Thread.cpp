#include "serial/C32Thread.h"

#include "serial/LineCounters.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vardeck {
namespace {

std::atomic<int> runningThreads{0};

// How often the driver's line counters are looked at while nothing else happens.
constexpr int kLineSampleMs = 100;

// One nice step above the process (as root; an ordinary user may not raise
// priority, and then the thread simply runs at normal priority).
void raisePriority() {
    auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    errno = 0;
    int nice = ::getpriority(PRIO_PROCESS, tid);
    if (errno == 0) (void)::setpriority(PRIO_PROCESS, tid, nice - 1);
}

bool isDeviceLoss(int error) {
    return error == EIO || error == ENXIO || error == ENODEV || error == EBADF || error == EPIPE;
}

// Bytes still in the driver's output queue; 0 where the driver cannot tell.
int outputQueued(int fd) {
    int queued = 0;
    if (::ioctl(fd, TIOCOUTQ, &queued) != 0 || queued < 0) return 0;
    return queued;
}

// Time for `bytes` to leave the line at the given speed (10 bits a byte), at least 1 ms.
int sendTimeMs(int bytes, int bitsPerSecond) {
    long long ms = static_cast<long long>(bytes) * 10 * 1000 / std::max(bitsPerSecond, 1) + 1;
    return static_cast<int>(std::min<long long>(ms, 1000));
}

TC32EventType operator&(TC32EventType a, TC32EventType b) {
    return TC32EventType::fromBits(a.bits() & b.bits());
}
TC32EventType operator|(TC32EventType a, TC32EventType b) {
    return TC32EventType::fromBits(a.bits() | b.bits());
}

}  // namespace

TC32Thread::TC32Thread(C32Device& device, TC32EventType events, std::shared_ptr<HandOver> handOver,
                       Dispatcher& dispatcher)
    : device_(device), events_(events), handOver_(std::move(handOver)), dispatcher_(dispatcher) {}

TC32Thread::~TC32Thread() {
    Terminate();
    WaitFor();
    if (wakeRead_ >= 0) ::close(wakeRead_);
    if (wakeWrite_ >= 0) ::close(wakeWrite_);
}

int TC32Thread::Start() {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) return errno;
    wakeRead_ = fds[0];
    wakeWrite_ = fds[1];
    runningThreads.fetch_add(1);
    try {
        thread_ = std::thread([this] {
            Execute();
            runningThreads.fetch_sub(1);
        });
    } catch (const std::system_error& e) {
        runningThreads.fetch_sub(1);
        return e.code().value() != 0 ? e.code().value() : EAGAIN;
    }
    return 0;
}

void TC32Thread::Wake() {
    if (wakeWrite_ < 0) return;
    char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost when this write fails.
    (void)!::write(wakeWrite_, &byte, 1);
}

void TC32Thread::Terminate() {
    terminated_.store(true);
    Wake();
}

void TC32Thread::WaitFor() {
    if (thread_.joinable()) thread_.join();
}

int TC32Thread::RunningCount() { return runningThreads.load(); }

void TC32Thread::drainWakePipe() {
    char sink[64];
    while (::read(wakeRead_, sink, sizeof sink) > 0) {
    }
}

void TC32Thread::Execute() {
    raisePriority();
    const int fd = device_.fd;
    LineCounters counters(fd);
    const bool sampleLines = counters.supported() && !(events_ & LineCounters::kEvents).empty();
    bool draining = false;  // a background write finished; waiting for the driver's queue to empty

    while (!terminated_.load()) {
        pollfd fds[2] = {{fd, 0, 0}, {wakeRead_, POLLIN, 0}};
        if (!device_.input.full()) fds[0].events |= POLLIN;
        if (device_.output.busy()) fds[0].events |= POLLOUT;
        int timeout = -1;
        if (draining) timeout = sendTimeMs(outputQueued(fd), device_.bitsPerSecond.load());
        if (sampleLines) timeout = timeout < 0 ? kLineSampleMs : std::min(timeout, kLineSampleMs);

        int lost = 0;
        if (::poll(fds, 2, timeout) < 0) {
            if (errno == EINTR) continue;
            lost = errno;
        }
        if (fds[1].revents != 0) drainWakePipe();
        if (terminated_.load()) break;

        TC32EventType found;
        const short revents = fds[0].revents;
        if (revents & POLLNVAL) lost = EBADF;
        if (revents & POLLOUT) {
            int error = 0;
            auto progress = device_.output.resume(fd, error);
            if (progress == PendingOutput::Resume::Finished) draining = true;
            if (progress == PendingOutput::Resume::Failed && isDeviceLoss(error)) lost = error;
        }
        if (revents & (POLLIN | POLLHUP | POLLERR)) {
            auto got = device_.input.fill(fd, device_.stripNulls.load());
            if (got.added > 0) {
                found.insert(evRxChar);
                if (got.sawEventChar) found.insert(evRxFlag);
            } else if (got.error != 0) {
                lost = got.error;
            } else if (revents & (POLLHUP | POLLERR)) {
                // Hung up with nothing (more) to read, or no room to read it: gone.
                lost = EIO;
            }
        }
        if (draining && outputQueued(fd) == 0) {
            found.insert(evTxEmpty);
            draining = false;
        }
        if (sampleLines) {
            int errorBits = 0;
            found = found | counters.sample(fd, errorBits);
            if (errorBits != 0) device_.lineErrors.fetch_or(errorBits);
        }

        found = found & events_;
        if (lost != 0) {
            device_.lostError.store(lost);
            device_.output.clear();
            found.insert(evError);
        }
        if (!found.empty() && !handOver_->deliver(dispatcher_, found)) break;
        if (lost != 0) break;
    }
}

}  // namespace vardeck
