#pragma once
#include "serial/CommTypes.h"
#include "serial/Dispatcher.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace vardeck {

// How the reader thread hands one event mask to the user-interface thread and
// waits until it has been served, without the two threads ever waiting for each
// other: one record shared by the channel, its reader thread and every posted
// closure (they hold it by shared_ptr, so a closure that runs late still finds it).
//
// - deliver() (reader thread) posts a closure and waits until the closure has
//   run the handler, or until the channel dropped the record.
// - drop() (user-interface thread, from Close) makes every closure still queued
//   or yet to come do nothing, and releases a deliver() that is waiting; Close
//   can then wait for the reader thread to end, even when Close itself runs inside
//   a notification that the reader thread is waiting for.
// - The closure never touches the channel once the record is dropped, so it is
//   harmless after Close and after the channel is destroyed.
class HandOver : public std::enable_shared_from_this<HandOver> {
public:
    using Handler = std::function<void(TC32EventType)>;

    // The handler runs on the dispatcher's thread; it may close, reopen or destroy the channel.
    static std::shared_ptr<HandOver> create(Handler handler);

    // Reader thread. Returns false when the record was dropped (the thread must end).
    bool deliver(Dispatcher& dispatcher, TC32EventType events);

    // User-interface thread. Idempotent.
    void drop();
    bool dropped() const;

private:
    explicit HandOver(Handler handler) : handler_(std::move(handler)) {}
    void serve(TC32EventType events);

    const Handler handler_;
    mutable std::mutex mutex_;
    std::condition_variable served_;
    bool dropped_ = false;
    bool done_ = false;  // the current hand-over has been served
};

}  // namespace vardeck
