#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

namespace vardeck::testing {

PtyDevice::PtyDevice(Answer answer) : answer_(std::move(answer)) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) throw std::runtime_error("no pty");
    path_ = ::ptsname(master_);
    slaveHold_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    // Raw from the start, so that nothing the test writes is echoed back to it.
    termios raw{};
    ::tcgetattr(slaveHold_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slaveHold_, TCSANOW, &raw);
    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readable(); });
}

PtyDevice::~PtyDevice() {
    notifier_.reset();
    if (slaveHold_ >= 0) ::close(slaveHold_);
    if (master_ >= 0) ::close(master_);
}

int PtyDevice::framesStartingWith(uint8_t first) const {
    int n = 0;
    for (const auto& frame : seen_) n += frame[0] == first;
    return n;
}

void PtyDevice::readable() {
    uint8_t buffer[256];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0) return;
    pending_.insert(pending_.end(), buffer, buffer + n);
    while (pending_.size() >= 6) {
        std::vector<uint8_t> frame(pending_.begin(), pending_.begin() + 6);
        pending_.erase(pending_.begin(), pending_.begin() + 6);
        ++frames_;
        seen_.push_back(frame);
        const std::vector<uint8_t> reply = answer_(frame);
        if (!reply.empty() && ::write(master_, reply.data(), reply.size()) != static_cast<ssize_t>(reply.size())) {
            ADD_FAILURE() << "the test device could not answer on " << path_;
        }
    }
}

}  // namespace vardeck::testing
