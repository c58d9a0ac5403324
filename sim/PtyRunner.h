#pragma once
#include "sim/SimEndpoint.h"

#include <chrono>
#include <string>
#include <vector>

namespace vardeck::sim {

struct PtyOptions {
    // The line speed the program set on its end of the terminal paces both ways:
    // replies leave at it, and the program's bytes reach the device at it.
    bool pace = false;
    // Log frames received and replies sent on standard error.
    bool verbose = false;
    // Symbolic link made to the terminal while the runner lives; empty for none.
    std::string linkPath;
    // Replies wait this long after their first byte, as in a USB serial adapter
    // whose latency timer holds received bytes; 0 for none.
    SimTime adapterLatency{0};
};

// Puts a simulated device behind a pseudo-terminal: the program under test
// opens the terminal's slave side like a serial port, the runner serves the
// master side. The runner keeps a descriptor of the slave open itself, so the
// program may close and reopen the port as often as it likes without the
// master seeing a hang-up, and the line settings the program made stay visible
// for pacing.
class PtyRunner {
public:
    PtyRunner(SimEndpoint& device, PtyOptions options);
    ~PtyRunner();
    PtyRunner(const PtyRunner&) = delete;
    PtyRunner& operator=(const PtyRunner&) = delete;

    // Creates the terminal (raw, 9600 bit/s) and the link. False with a message on failure.
    bool open(std::string& error);
    // The path the program opens, e.g. "/dev/pts/7".
    const std::string& slavePath() const { return slavePath_; }

    // Serves the program until a stop is requested. False with a message when
    // the terminal fails beyond repair.
    bool run(std::string& error);
    // Makes run() return soon. Safe to call from a signal handler.
    void requestStop();
    // Lets SIGINT, SIGTERM and SIGHUP request the stop of this runner.
    void stopOnSignals();

private:
    SimTime elapsed() const;
    void readFromProgram();
    void writeDueReplies();
    void updateByteTime();
    void logFramesReceivedSince(std::size_t firstNew);
    void flushReplyLog();
    void logReply(const Bytes& original, const FaultOutcome& outcome);
    void removeLink();

    SimEndpoint& device_;
    PtyOptions options_;
    std::string slavePath_;
    int master_ = -1;
    int slave_ = -1;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    bool linkMade_ = false;
    // Reply log lines wait until the frames that caused them are logged.
    std::vector<std::string> pendingReplyLog_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace vardeck::sim
