#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vardeck::test {

// A pseudo-terminal for channel tests: the channel opens the slave by its path,
// the test plays the device on the master side. The test keeps a slave descriptor
// of its own open (raw, never read) so that the master side keeps working while
// the channel closes and reopens.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    int master() const { return master_; }

    // Writes every byte to the master side (waiting for room when needed).
    void send(const std::vector<uint8_t>& bytes);
    // Reads exactly `count` bytes from the master side; fewer when the deadline passes.
    std::vector<uint8_t> receive(size_t count, std::chrono::milliseconds deadline = std::chrono::seconds(10));
    // Closes the master side: the device is gone for whoever holds the slave.
    void closeMaster();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

// Waits until pred() holds, checking often; for state that another thread changes
// and no event loop reports. Returns pred()'s last value.
bool waitFor(const std::function<bool()>& pred, std::chrono::milliseconds deadline = std::chrono::seconds(10));

}  // namespace vardeck::test
