#pragma once
#include "sim/SimEndpoint.h"

#include <chrono>
#include <functional>
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
    // Each reply byte leaves in a write of its own, at least this long after the
    // one before, so the program reads replies in pieces; 0 for whole replies.
    SimTime replyByteGap{0};
    // After a power cycle the device hears nothing for this long.
    SimTime bootTime = std::chrono::seconds(1);
    // The cable stays unplugged this long before a new terminal appears.
    SimTime unpluggedTime = std::chrono::seconds(2);
    // Told the path of each new terminal after an unplugged cable.
    std::function<void(const std::string& path)> onNewTerminal;
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
    // Lets SIGUSR1 power-cycle the device and SIGUSR2 unplug the cable: the
    // terminal closes (the program's port fails as when a USB adapter is pulled),
    // and after PtyOptions::unpluggedTime a new terminal takes its place, with the
    // link (if any) pointing at it.
    void faultsOnSignals();

private:
    // What the control pipe asked for since it was last read.
    struct Requests {
        bool stop = false;
        bool powerCycle = false;
        bool unplug = false;
    };
    Requests takeRequests();
    bool openTerminal(std::string& error);
    bool makeLink(std::string& error);
    // Closes the terminal, waits while unplugged, opens a new one. False with a
    // message when no new terminal could be made; sets stopRequested_ when a
    // stop came meanwhile.
    bool unplug(std::string& error);
    SimTime elapsed() const;
    void readFromProgram();
    void writeDueReplies();
    // How long run() may sleep before its next event; none when only the line or a
    // request can wake it.
    std::optional<SimTime> nextWait() const;
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
    bool stopRequested_ = false;
    // Reply log lines wait until the frames that caused them are logged.
    std::vector<std::string> pendingReplyLog_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    // A paced runner does not sleep before its next reply byte until then.
    SimTime awakeUntil_{0};
};

}  // namespace vardeck::sim
