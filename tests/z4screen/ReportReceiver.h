#pragma once
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace vardeck::testing {

// A report server on the loopback interface for one connection: it takes what
// arrives until the sender closes, and nothing goes back.
class ReportReceiver {
public:
    // backlog 0 with `jammed`: one connection fills the queue and is never taken,
    // so the next connection attempt hangs like a host that does not answer.
    explicit ReportReceiver(bool jammed = false) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(listener_, 0);
        socklen_t len = sizeof a;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        if (jammed) {
            filler_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            ::connect(filler_, reinterpret_cast<sockaddr*>(&a), sizeof a);
            return;
        }
        worker_ = std::thread([this] { receive(); });
    }
    ~ReportReceiver() {
        if (worker_.joinable()) worker_.join();
        if (filler_ >= 0) ::close(filler_);
        ::close(listener_);
    }
    int port() const { return port_; }
    // Waits for the sender to finish (at most 20 s) and returns what came.
    const std::string& received() {
        if (worker_.joinable()) worker_.join();
        return bytes_;
    }

private:
    void receive() {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 20000) <= 0) return;
        const int fd = ::accept(listener_, nullptr, nullptr);
        if (fd < 0) return;
        char buffer[4096];
        for (;;) {
            pollfd q{fd, POLLIN, 0};
            if (::poll(&q, 1, 20000) <= 0) break;
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0) break;
            bytes_.append(buffer, static_cast<std::size_t>(n));
        }
        ::close(fd);
    }

    int listener_ = -1;
    int filler_ = -1;
    int port_ = 0;
    std::thread worker_;
    std::string bytes_;
};

}  // namespace vardeck::testing
