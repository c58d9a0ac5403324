#pragma once
#include "serial/C32Device.h"
#include "serial/CommTypes.h"
#include "serial/Dispatcher.h"
#include "serial/HandOver.h"

#include <atomic>
#include <memory>
#include <thread>

namespace vardeck {

// The reader thread of an open channel. It waits in poll() on the device and on
// its own wake-up pipe (no busy loop), moves received bytes into the input
// queue, writes the rest of a write in progress when the device has room, and
// hands every event mask to the user-interface thread, waiting until it has been
// served (HandOver).
//
// Events it reports: evRxChar when bytes arrived; evRxFlag when the event
// character (0) was among them; evTxEmpty when a write that had to finish in the
// background has gone out and the driver's output queue (TIOCOUTQ) is empty; the
// break, modem-line and error events from the driver's counters where it keeps
// them (LineCounters: sampled at every wake-up and every 100 ms, since POSIX has
// no wait for them that poll() can join). Receive notifications are raised as
// soon as bytes are readable, without waiting for a gap after the last byte: the
// owner reads what is there and gets another notification for what follows.
//
// A device that fails or hangs up (POLLHUP, POLLERR, EIO: cable or USB adapter
// pulled, pseudo-terminal peer closed) is reported once with evError, the error
// word being -errno (always, whatever MonitorEvents holds), and the thread ends.
class TC32Thread {
public:
    TC32Thread(C32Device& device, TC32EventType events, std::shared_ptr<HandOver> handOver,
               Dispatcher& dispatcher);
    ~TC32Thread();
    TC32Thread(const TC32Thread&) = delete;
    TC32Thread& operator=(const TC32Thread&) = delete;

    // Creates the wake-up pipe and starts the thread. Returns 0 or an errno.
    int Start();
    // Makes the thread look at the device again (new output pending, input room freed).
    void Wake();
    // Asks the thread to end; it leaves its wait at once.
    void Terminate();
    // Waits until the thread has ended.
    void WaitFor();

    // Reader threads started and not yet ended, in the whole process.
    static int RunningCount();

private:
    void Execute();
    void drainWakePipe();

    C32Device& device_;
    const TC32EventType events_;
    const std::shared_ptr<HandOver> handOver_;
    Dispatcher& dispatcher_;
    std::thread thread_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::atomic<bool> terminated_{false};
};

}  // namespace vardeck
