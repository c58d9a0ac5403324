#pragma once
#include <cstdint>
#include <mutex>
#include <vector>

namespace vardeck {

// The write in progress of a channel. A write hands the device what it takes at
// once; the rest is kept here and the reader thread writes it whenever the device
// has room. While a rest is kept, a new write is refused. A rest that fails to go
// out (the device reports an error) is dropped, so a failed write never blocks
// the writes after it.
//
// Thread-safe: the user-interface thread starts writes, the reader thread resumes them.
class PendingOutput {
public:
    enum class Start {
        Sent,    // the device took every byte at once
        Queued,  // part or all of it waits for the device to have room
        Busy,    // the previous write is still in progress: nothing sent
        Failed,  // the device refused the write: nothing pending
    };
    // `taken` receives the number of bytes the device took at once.
    Start start(int fd, const uint8_t* data, int count, int& taken);

    enum class Resume {
        Idle,      // nothing was pending
        Pending,   // some bytes still wait
        Finished,  // the last pending byte went out now
        Failed,    // the device refused: the rest is dropped, `error` holds the errno
    };
    Resume resume(int fd, int& error);

    bool busy() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<uint8_t> rest_;
    size_t sent_ = 0;  // bytes of rest_ already written
};

}  // namespace vardeck
