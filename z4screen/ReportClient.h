#pragma once
#include <chrono>
#include <memory>
#include <string>

#include "z4screen/ErrorReport.h"

namespace vardeck::z4screen {

// Sends one error report to the report server without holding up the caller: start()
// returns at once, poll() tells how it went. Nothing is read back from the server.
class ReportClient {
public:
    enum class Result { Idle, Pending, Sent, Failed };
    virtual ~ReportClient() = default;
    // Starts sending `bytes`; a report still pending is abandoned (its result is lost).
    virtual void start(const ReportServer& server, std::string bytes) = 0;
    // Pending until the report was sent and the connection closed (Sent), or anything
    // failed or took longer than the time limit (Failed). Sent and Failed are reported
    // once; the client is Idle afterwards.
    virtual Result poll() = 0;
};

// The real client: TCP over the system's sockets on a worker thread of its own, with
// one time limit for the name lookup, the connection and the writing together.
class TcpReportClient : public ReportClient {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{10000};
    explicit TcpReportClient(std::chrono::milliseconds timeLimit = kDefaultTimeLimit);
    ~TcpReportClient() override;

    void start(const ReportServer& server, std::string bytes) override;
    Result poll() override;

    // Sends on the caller's thread and returns the outcome (the command-line tool).
    static bool sendNow(const ReportServer& server, const std::string& bytes, std::chrono::milliseconds timeLimit);

private:
    struct Job;
    std::chrono::milliseconds timeLimit_;
    std::shared_ptr<Job> job_;
};

}  // namespace vardeck::z4screen
