#include "sim/PtyRunner.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace vardeck::sim {

namespace {

// Bytes of the control pipe: what a signal or a caller asks of the runner.
constexpr char kStopRequest = 1;
constexpr char kPowerCycleRequest = 2;
constexpr char kUnplugRequest = 3;

// Write end of the control pipe of the runner that handles the signals.
std::atomic<int> signalStopFd{-1};

void onSignal(int signal) {
    const int fd = signalStopFd.load();
    if (fd >= 0) {
        const char byte = signal == SIGUSR1   ? kPowerCycleRequest
                          : signal == SIGUSR2 ? kUnplugRequest
                                              : kStopRequest;
        [[maybe_unused]] ssize_t ignored = ::write(fd, &byte, 1);
    }
}

int bitsPerSecond(speed_t speed) {
    struct Entry {
        speed_t speed;
        int bps;
    };
    static constexpr Entry table[] = {
        {B110, 110},     {B300, 300},     {B600, 600},       {B1200, 1200},     {B2400, 2400},
        {B4800, 4800},   {B9600, 9600},   {B19200, 19200},   {B38400, 38400},   {B57600, 57600},
        {B115200, 115200}, {B230400, 230400},
    };
    for (const Entry& e : table) {
        if (e.speed == speed) return e.bps;
    }
    return 0;  // unknown or hung up: no pacing
}

void sleepBriefly() {
    const timespec pause{0, 20 * 1000 * 1000};
    nanosleep(&pause, nullptr);
}

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

std::string errnoText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// A paced line keeps time as a UART does, to a few microseconds: the runner sleeps
// until this long before the next reply byte is due and waits out the rest awake, and
// while a reply goes out at a line speed of a few kbit/s or more it does not sleep
// between its bytes at all. An idle virtual CPU wakes a tenth of a millisecond and
// more after its timer, now and then far more; slept through, that delay would be
// added to every reply the program waits for. (The program's bytes are taken in at
// their due times whenever the runner gets to them, so their wake-ups need no such care.)
constexpr SimTime kAwakeBeforeDue{250};
constexpr SimTime kAwakeAfterReplyByte{2000};

}  // namespace

PtyRunner::PtyRunner(SimEndpoint& device, PtyOptions options) : device_(device), options_(std::move(options)) {
    device_.setPacedInput(options_.pace);
    device_.setAdapterLatency(options_.adapterLatency);
    device_.setReplyByteGap(options_.replyByteGap);
    if (options_.verbose) {
        device_.setReplyObserver([this](const Bytes& original, const FaultOutcome& outcome) {
            logReply(original, outcome);
        });
    }
}

PtyRunner::~PtyRunner() {
    device_.setReplyObserver(nullptr);
    removeLink();
    int expected = stopWrite_;
    signalStopFd.compare_exchange_strong(expected, -1);
    closeFd(slave_);
    closeFd(master_);
    closeFd(stopRead_);
    closeFd(stopWrite_);
}

bool PtyRunner::open(std::string& error) {
    if (!openTerminal(error)) return false;
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = errnoText("pipe2");
        return false;
    }
    stopRead_ = pipeFds[0];
    stopWrite_ = pipeFds[1];
    return makeLink(error);
}

bool PtyRunner::openTerminal(std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) {
        error = errnoText("posix_openpt");
        return false;
    }
    char name[128];
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0) {
        error = errnoText("cannot prepare the pseudo-terminal");
        return false;
    }
    slavePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = errnoText("cannot open the pseudo-terminal's slave side");
        return false;
    }
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0) {
        error = errnoText("tcgetattr");
        return false;
    }
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    if (tcsetattr(slave_, TCSANOW, &tio) != 0) {
        error = errnoText("tcsetattr");
        return false;
    }
    if (fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) != 0) {
        error = errnoText("fcntl");
        return false;
    }
    return true;
}

bool PtyRunner::makeLink(std::string& error) {
    if (options_.linkPath.empty()) return true;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(options_.linkPath, ec);
    if (fs::exists(status)) {
        // A link left by an earlier run is replaced; anything else is not ours to delete.
        if (!fs::is_symlink(status)) {
            error = "--link " + options_.linkPath + " exists and is not a symbolic link";
            return false;
        }
        fs::remove(options_.linkPath, ec);
    }
    fs::create_symlink(slavePath_, options_.linkPath, ec);
    if (ec) {
        error = "cannot make link " + options_.linkPath + ": " + ec.message();
        return false;
    }
    linkMade_ = true;
    return true;
}

void PtyRunner::removeLink() {
    if (!linkMade_) return;
    linkMade_ = false;
    // Only the link that still points at this terminal: a later run may own the name now.
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::read_symlink(options_.linkPath, ec);
    if (!ec && target == slavePath_) std::filesystem::remove(options_.linkPath, ec);
}

void PtyRunner::requestStop() {
    if (stopWrite_ < 0) return;
    const char byte = kStopRequest;
    [[maybe_unused]] ssize_t ignored = ::write(stopWrite_, &byte, 1);
}

namespace {
// Every signal named is passed to the run loop through the stop pipe.
void forwardSignals(int stopWrite, std::initializer_list<int> signals) {
    signalStopFd.store(stopWrite);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : signals) sigaction(signal, &action, nullptr);
}
}  // namespace

void PtyRunner::stopOnSignals() {
    // A closed terminal window (SIGHUP) ends the simulator the same orderly way.
    forwardSignals(stopWrite_, {SIGINT, SIGTERM, SIGHUP});
}

void PtyRunner::faultsOnSignals() { forwardSignals(stopWrite_, {SIGUSR1, SIGUSR2}); }

PtyRunner::Requests PtyRunner::takeRequests() {
    Requests requests;
    char bytes[64];
    ssize_t n;
    while ((n = ::read(stopRead_, bytes, sizeof bytes)) > 0 || (n < 0 && errno == EINTR)) {
        for (ssize_t i = 0; i < n; ++i) {
            requests.stop |= bytes[i] == kStopRequest;
            requests.powerCycle |= bytes[i] == kPowerCycleRequest;
            requests.unplug |= bytes[i] == kUnplugRequest;
        }
    }
    return requests;
}

bool PtyRunner::unplug(std::string& error) {
    // The program's end sees a hang-up: reads fail, as with a pulled USB adapter.
    // The name goes away with the device, so nothing can open a stale one.
    device_.cutLine(elapsed());
    removeLink();
    closeFd(master_);
    closeFd(slave_);
    if (options_.verbose) std::fprintf(stderr, "[%10.3f] cable unplugged\n", elapsed().count() / 1000.0);
    const SimTime back = elapsed() + options_.unpluggedTime;
    for (SimTime now = elapsed(); now < back; now = elapsed()) {
        // The device lives on meanwhile; what it sends reaches nobody.
        device_.cutLine(now);
        SimTime until = back;
        if (const std::optional<SimTime> next = device_.nextEvent()) until = std::min(until, std::max(*next, now));
        const long long wait = (until - now).count();
        const timespec timeout{static_cast<time_t>(wait / 1000000), static_cast<long>(wait % 1000000) * 1000};
        pollfd control{stopRead_, POLLIN, 0};
        if (ppoll(&control, 1, &timeout, nullptr) > 0) {
            const Requests requests = takeRequests();
            if (requests.powerCycle) device_.powerCycle(elapsed(), options_.bootTime);
            if (requests.stop) {
                stopRequested_ = true;
                return true;
            }
        }
    }
    device_.cutLine(elapsed());
    if (!openTerminal(error) || !makeLink(error)) return false;
    if (options_.verbose) {
        std::fprintf(stderr, "[%10.3f] cable back on %s\n", elapsed().count() / 1000.0, slavePath_.c_str());
    }
    if (options_.onNewTerminal) options_.onNewTerminal(slavePath_);
    return true;
}

SimTime PtyRunner::elapsed() const {
    return std::chrono::duration_cast<SimTime>(std::chrono::steady_clock::now() - start_);
}

bool PtyRunner::run(std::string& error) {
    if (master_ < 0) {
        error = "the pseudo-terminal is not open";
        return false;
    }
    // The kernel's default timer slack (50 us) would add to every paced wake-up.
    if (options_.pace) prctl(PR_SET_TIMERSLACK, 1UL);
    for (;;) {
        writeDueReplies();

        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        if (const std::optional<SimTime> wait = nextWait()) {
            timeout.tv_sec = static_cast<time_t>(wait->count() / 1000000);
            timeout.tv_nsec = static_cast<long>(wait->count() % 1000000) * 1000;
            timeoutPtr = &timeout;
        }
        pollfd fds[2] = {{master_, POLLIN, 0}, {stopRead_, POLLIN, 0}};
        const int ready = ppoll(fds, 2, timeoutPtr, nullptr);
        if (ready < 0) {
            if (errno == EINTR) continue;
            error = errnoText("ppoll");
            return false;
        }
        if (fds[1].revents != 0) {
            const Requests requests = takeRequests();
            if (requests.stop) return true;
            if (requests.powerCycle) {
                device_.powerCycle(elapsed(), options_.bootTime);
                if (options_.verbose) std::fprintf(stderr, "[%10.3f] power cycle\n", elapsed().count() / 1000.0);
            }
            if (requests.unplug) {
                if (!unplug(error)) return false;
                if (stopRequested_) return true;
            }
            continue;
        }
        if (fds[0].revents & POLLIN) {
            readFromProgram();
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            // Nobody holds the slave side (only if our own descriptor were lost):
            // wait for the program to come back without spinning.
            sleepBriefly();
        }
    }
}

std::optional<SimTime> PtyRunner::nextWait() const {
    const SimTime now = elapsed();
    std::optional<SimTime> wait;
    if (const std::optional<SimTime> next = device_.nextEvent()) {
        wait = std::max(SimTime{0}, *next - now);
        if (options_.pace && device_.nextReplyDue() == next) {
            wait = now < awakeUntil_ ? SimTime{0} : std::max(SimTime{0}, *wait - kAwakeBeforeDue);
        }
    }
    return wait;
}

void PtyRunner::updateByteTime() {
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0) return;
    device_.setByteTime(SimEndpoint::byteTimeAt(bitsPerSecond(cfgetospeed(&tio))));
}

void PtyRunner::readFromProgram() {
    uint8_t buffer[512];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            if (options_.pace) updateByteTime();
            const std::size_t logged = device_.model().frameLog().size();
            device_.receive(std::span<const uint8_t>(buffer, static_cast<std::size_t>(n)), elapsed());
            logFramesReceivedSince(logged);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // EAGAIN: all read. EIO: the slave side is closed everywhere; see run().
        if (n < 0 && errno == EIO) sleepBriefly();
        return;
    }
}

void PtyRunner::writeDueReplies() {
    const SimTime now = elapsed();
    device_.advanceTo(now);
    flushReplyLog();
    const Bytes due = device_.takeDue(now);
    // Split replies go out a byte a write.
    const bool split = options_.replyByteGap > SimTime{0};
    std::size_t sent = 0;
    while (sent < due.size()) {
        const ssize_t n = ::write(master_, due.data() + sent, split ? 1 : due.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            awakeUntil_ = elapsed() + kAwakeAfterReplyByte;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // The program's input queue is full: like a UART overrun, the rest is lost.
            if (options_.verbose) std::fprintf(stderr, "vardeck-sim: %zu reply bytes lost\n", due.size() - sent);
            break;
        }
    }
}

void PtyRunner::logFramesReceivedSince(std::size_t firstNew) {
    DeviceModel& model = device_.model();
    if (options_.verbose) {
        const auto& log = model.frameLog();
        for (std::size_t i = firstNew; i < log.size(); ++i) {
            std::fprintf(stderr, "[%10.3f] rx %s%s\n", static_cast<double>(log[i].at.count()) / 1000.0,
                         hexBytes(log[i].bytes.data(), log[i].bytes.size()).c_str(),
                         log[i].handled ? "" : " (ignored)");
        }
    }
    flushReplyLog();
    // A long-running simulator keeps no history: the log is for in-process tests.
    model.clearFrameLog();
}

void PtyRunner::flushReplyLog() {
    for (const std::string& line : pendingReplyLog_) std::fputs(line.c_str(), stderr);
    pendingReplyLog_.clear();
}

void PtyRunner::logReply(const Bytes& original, const FaultOutcome& outcome) {
    std::string note;
    if (outcome.dropped) note += " dropped";
    if (outcome.corrupted) note += " corrupted";
    if (outcome.noiseBytes) note += " +" + std::to_string(outcome.noiseBytes) + " noise";
    if (outcome.delay.count()) note += " delayed " + std::to_string(outcome.delay.count() / 1000) + " ms";
    const Bytes& shown = outcome.dropped ? original : outcome.bytes;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%10.3f] tx ", static_cast<double>(elapsed().count()) / 1000.0);
    pendingReplyLog_.push_back(stamp + hexBytes(shown.data(), shown.size()) + note + "\n");
}

}  // namespace vardeck::sim
