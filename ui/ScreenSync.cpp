#include "ui/ScreenSync.h"

#include "ui/ControlBinder.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace vardeck::ui {

ScreenSync::ScreenSync(double timeScale, QObject* parent)
    : QObject(parent), timeScale_(timeScale > 0 ? timeScale : 1.0) {}

void ScreenSync::addBinder(ControlBinder& binder) { binders_.emplace_back(&binder); }

void ScreenSync::addTimers(const controls::TimerList& timers) {
    for (controls::ModelTimer* model : timers.all()) {
        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, model] { handle([model] { model->fire(); }); });
        timers_.push_back({model, timer, model->generation()});
        syncTimer(timers_.back());
    }
}

int ScreenSync::scaled(int ms) const {
    return std::max(1, static_cast<int>(std::lround(ms / timeScale_)));
}

void ScreenSync::handle(const std::function<void()>& event) {
    event();
    sync();
}

void ScreenSync::sync() {
    for (auto& binder : binders_) {
        if (binder) binder->refresh();
    }
    for (DrivenTimer& driven : timers_) syncTimer(driven);
}

void ScreenSync::syncTimer(DrivenTimer& driven) {
    const bool restarted = driven.generation != driven.model->generation();
    driven.generation = driven.model->generation();
    if (!driven.model->enabled()) {
        driven.timer->stop();
    } else if (restarted || !driven.timer->isActive()) {
        driven.timer->start(scaled(driven.model->interval()));
    }
}

void SyncingDispatcher::post(std::function<void()> fn) {
    ScreenSync* sync = &sync_;
    inner_.post([sync, fn = std::move(fn)] { sync->handle(fn); });
}

}  // namespace vardeck::ui
