#include "serial/HandOver.h"

namespace vardeck {

std::shared_ptr<HandOver> HandOver::create(Handler handler) {
    return std::shared_ptr<HandOver>(new HandOver(std::move(handler)));
}

bool HandOver::deliver(Dispatcher& dispatcher, TC32EventType events) {
    {
        std::lock_guard lock(mutex_);
        if (dropped_) return false;
        done_ = false;
    }
    dispatcher.post([self = shared_from_this(), events] { self->serve(events); });
    std::unique_lock lock(mutex_);
    served_.wait(lock, [this] { return done_ || dropped_; });
    return !dropped_;
}

void HandOver::serve(TC32EventType events) {
    bool live;
    {
        std::lock_guard lock(mutex_);
        live = !dropped_;
    }
    // Not under the lock: the handler may call Close, which drops this record.
    if (live) handler_(events);
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    served_.notify_all();
}

void HandOver::drop() {
    {
        std::lock_guard lock(mutex_);
        dropped_ = true;
    }
    served_.notify_all();
}

bool HandOver::dropped() const {
    std::lock_guard lock(mutex_);
    return dropped_;
}

}  // namespace vardeck
