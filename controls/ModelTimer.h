#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vardeck::controls {

// A periodic timer of a screen model. The host (a Qt timer in the program, a virtual
// clock in tests) calls fire() every interval() ms while the timer is enabled.
// generation() changes whenever the timer is started or its interval changes; the host
// then counts the interval afresh from that moment. Starting a running timer, or
// setting the interval it already has, changes nothing and does not restart the count.
class ModelTimer {
public:
    ModelTimer(std::string name, int intervalMs, bool enabled = false)
        : name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {}
    ModelTimer(const ModelTimer&) = delete;
    ModelTimer& operator=(const ModelTimer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    unsigned generation() const { return generation_; }

    void setEnabled(bool on) {
        if (on == enabled_) return;
        enabled_ = on;
        ++generation_;
    }
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    void setInterval(int ms) {
        if (ms == interval_) return;
        interval_ = ms;
        ++generation_;
    }

    // The screen's handler of the timer event.
    std::function<void()> onTimer;
    void fire() {
        if (onTimer) onTimer();
    }

private:
    std::string name_;
    int interval_;
    bool enabled_;
    unsigned generation_ = 0;
};

// The timers of one screen, in creation order, with stable addresses.
class TimerList {
public:
    TimerList() = default;
    TimerList(const TimerList&) = delete;
    TimerList& operator=(const TimerList&) = delete;

    ModelTimer& add(std::string name, int intervalMs, bool enabled = false) {
        timers_.push_back(std::make_unique<ModelTimer>(std::move(name), intervalMs, enabled));
        all_.push_back(timers_.back().get());
        return *timers_.back();
    }
    const std::vector<ModelTimer*>& all() const { return all_; }
    // nullptr when there is no timer of that name.
    ModelTimer* find(std::string_view name) const {
        for (ModelTimer* t : all_)
            if (t->name() == name) return t;
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<ModelTimer>> timers_;
    std::vector<ModelTimer*> all_;
};

}  // namespace vardeck::controls
