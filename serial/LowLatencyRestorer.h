#pragma once

namespace vardeck {

// A program that ends on a signal (Ctrl-C, a TERM from the desktop's session, a
// crash) never reaches the channel's Close, which gives a USB adapter its old
// latency setting back. The channel therefore names every port it switched to
// low-latency mode here; the first one installs handlers for the signals that end
// a program, which switch the mode off on every named port and then let the signal
// do what it did before (the program's own handler, or the default action).
//
// Both calls are safe to make from any thread; the handler uses only system calls.
void rememberLowLatencyPort(int fd);
void forgetLowLatencyPort(int fd);

// Tests replace what the handler does with a port (clearing its low-latency flag).
// The function must be async-signal-safe.
using LowLatencyPortReset = void (*)(int fd);
void setLowLatencyPortResetForTests(LowLatencyPortReset reset);

}  // namespace vardeck
