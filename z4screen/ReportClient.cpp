#include "z4screen/ReportClient.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <thread>

namespace vardeck::z4screen {
namespace {

using Clock = std::chrono::steady_clock;

int millisLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool waitWritable(int fd, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, POLLOUT, 0};
        const int n = ::poll(&p, 1, millisLeft(deadline));
        if (n > 0) return (p.revents & (POLLERR | POLLHUP | POLLNVAL)) == 0 || (p.revents & POLLOUT);
        if (n == 0) return false;  // time is up
        if (errno != EINTR) return false;
    }
}

// A non-blocking connection to one address, within the time left.
int connectTo(const addrinfo& a, Clock::time_point deadline) {
    const int fd = ::socket(a.ai_family, a.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a.ai_protocol);
    if (fd < 0) return -1;
    if (::connect(fd, a.ai_addr, a.ai_addrlen) == 0) return fd;
    if (errno == EINPROGRESS && waitWritable(fd, deadline)) {
        int error = 0;
        socklen_t len = sizeof error;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) == 0 && error == 0) return fd;
    }
    ::close(fd);
    return -1;
}

bool writeAll(int fd, const std::string& bytes, Clock::time_point deadline) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitWritable(fd, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

bool sendReport(const ReportServer& server, const std::string& bytes, Clock::time_point deadline) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(server.port);
    if (::getaddrinfo(server.host.c_str(), port.c_str(), &hints, &found) != 0 || !found) return false;
    int fd = -1;
    for (addrinfo* a = found; a && fd < 0 && millisLeft(deadline) > 0; a = a->ai_next) fd = connectTo(*a, deadline);
    ::freeaddrinfo(found);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes, deadline);
    // The stream ends with our half of the connection closed; close() then lets
    // the kernel deliver what is still queued.
    if (ok) ok = ::shutdown(fd, SHUT_WR) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

// One report on its way. The worker thread and the client share it, so the client
// may give up on a worker that is stuck in the name lookup and go on.
struct TcpReportClient::Job {
    std::atomic<int> outcome{0};  // 0 pending, 1 sent, 2 failed
    Clock::time_point deadline;
};

TcpReportClient::TcpReportClient(std::chrono::milliseconds timeLimit) : timeLimit_(timeLimit) {}

TcpReportClient::~TcpReportClient() = default;

bool TcpReportClient::sendNow(const ReportServer& server, const std::string& bytes,
                              std::chrono::milliseconds timeLimit) {
    return sendReport(server, bytes, Clock::now() + timeLimit);
}

void TcpReportClient::start(const ReportServer& server, std::string bytes) {
    auto job = std::make_shared<Job>();
    job->deadline = Clock::now() + timeLimit_;
    job_ = job;
    std::thread([job, server, bytes = std::move(bytes)] {
        job->outcome = sendReport(server, bytes, job->deadline) ? 1 : 2;
    }).detach();
}

ReportClient::Result TcpReportClient::poll() {
    if (!job_) return Result::Idle;
    int outcome = job_->outcome.load();
    // The lookup is the one step the worker cannot bound; past the limit the report
    // has failed whatever the worker still does.
    if (outcome == 0 && Clock::now() > job_->deadline + std::chrono::milliseconds(500)) outcome = 2;
    if (outcome == 0) return Result::Pending;
    job_.reset();
    return outcome == 1 ? Result::Sent : Result::Failed;
}

}  // namespace vardeck::z4screen
