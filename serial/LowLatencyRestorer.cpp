#include "serial/LowLatencyRestorer.h"

#include <linux/serial.h>
#include <signal.h>
#include <sys/ioctl.h>

#include <array>
#include <atomic>
#include <mutex>

namespace vardeck {
namespace {

// Each slot holds a port's descriptor + 1, so that the zero a static starts with
// means an empty slot. More slots than the program ever holds ports open at once.
constexpr int kNoPort = 0;
std::array<std::atomic<int>, 16> ports{};

void clearLowLatency(int fd) {
    serial_struct s{};
    if (::ioctl(fd, TIOCGSERIAL, &s) != 0 || !(s.flags & ASYNC_LOW_LATENCY)) return;
    s.flags &= ~ASYNC_LOW_LATENCY;
    (void)::ioctl(fd, TIOCSSERIAL, &s);
}

std::atomic<LowLatencyPortReset> resetPort{clearLowLatency};

// The signals whose default action ends the program.
constexpr std::array<int, 9> kEndingSignals = {SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGABRT,
                                               SIGSEGV, SIGBUS, SIGFPE, SIGILL};
std::array<struct sigaction, kEndingSignals.size()> previous{};

void onEndingSignal(int signal, siginfo_t* info, void* context) {
    std::size_t index = 0;
    while (index < kEndingSignals.size() && kEndingSignals[index] != signal) ++index;
    if (index == kEndingSignals.size()) return;
    const struct sigaction& before = previous[index];
    // An ignored signal ends nothing: the ports stay as they are.
    if (!(before.sa_flags & SA_SIGINFO) && before.sa_handler == SIG_IGN) return;

    const LowLatencyPortReset reset = resetPort.load();
    for (auto& port : ports) {
        const int slot = port.exchange(kNoPort);
        if (slot != kNoPort) reset(slot - 1);
    }
    if (before.sa_flags & SA_SIGINFO) {
        if (before.sa_sigaction) before.sa_sigaction(signal, info, context);
    } else if (before.sa_handler != SIG_DFL) {
        before.sa_handler(signal);
    } else {
        // The default action once more: the program ends as it would have, core dump
        // included. The signal is blocked inside this handler and arrives on return.
        ::sigaction(signal, &before, nullptr);
        ::raise(signal);
    }
}

void installHandlers() {
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        struct sigaction action {};
        action.sa_sigaction = onEndingSignal;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        ::sigaction(kEndingSignals[i], &action, &previous[i]);
    }
}

}  // namespace

void rememberLowLatencyPort(int fd) {
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    for (auto& port : ports) {
        int empty = kNoPort;
        if (port.compare_exchange_strong(empty, fd + 1)) return;
    }
}

void forgetLowLatencyPort(int fd) {
    for (auto& port : ports) {
        int expected = fd + 1;
        if (port.compare_exchange_strong(expected, kNoPort)) return;
    }
}

void setLowLatencyPortResetForTests(LowLatencyPortReset reset) { resetPort.store(reset ? reset : clearLowLatency); }

}  // namespace vardeck
