#include "ui/ModelTimerDriver.h"

#include <QTimer>

namespace vardeck::ui {

ModelTimerDriver::ModelTimerDriver(const controls::TimerList& timers, std::function<void()> afterFire,
                                   QObject* parent)
    : QObject(parent), afterFire_(std::move(afterFire)) {
    for (controls::ModelTimer* model : timers.all()) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, model] {
            model->fire();
            if (afterFire_) afterFire_();
            sync();
        });
        driven_.push_back({model, timer, model->generation()});
    }
}

void ModelTimerDriver::sync() {
    for (Driven& d : driven_) syncOne(d);
}

void ModelTimerDriver::syncOne(Driven& d) {
    const bool restarted = d.generation != d.model->generation();
    d.generation = d.model->generation();
    if (!d.model->enabled()) {
        d.timer->stop();
    } else if (restarted || !d.timer->isActive()) {
        d.timer->start(d.model->interval());
    }
}

bool ModelTimerDriver::running(const std::string& name) const {
    for (const Driven& d : driven_) {
        if (d.model->name() == name) return d.timer->isActive();
    }
    return false;
}

}  // namespace vardeck::ui
