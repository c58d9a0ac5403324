#include "ui/ScreenSync.h"

#include "ui/ControlBinder.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace vardeck::ui {

ScreenSync::ScreenSync(double timeScale, QObject* parent)
    : QObject(parent), timeScale_(timeScale > 0 ? timeScale : 1.0) {}

void ScreenSync::addBinder(ControlBinder& binder) {
    views_.push_back({&binder, false});
    if (QWidget* root = binder.root()) root->installEventFilter(this);
}

void ScreenSync::addTimers(const controls::TimerList& timers) {
    for (controls::ModelTimer* model : timers.all()) {
        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, model] { handleRoutine([model] { model->fire(); }); });
        timers_.push_back({model, timer, model->generation()});
        syncTimer(timers_.back());
    }
}

int ScreenSync::scaled(int ms) const {
    return std::max(1, static_cast<int>(std::lround(ms / timeScale_)));
}

void ScreenSync::handle(const std::function<void()>& event) {
    event();
    refreshViews(true);
}

bool ScreenSync::View::shown() const { return binder && binder->root() && binder->root()->isVisible(); }

void ScreenSync::handleRoutine(const std::function<void()>& event) {
    std::vector<bool> shownBefore;
    for (const View& view : views_) shownBefore.push_back(view.shown());
    event();
    // An event that showed or hid a window (a hand-over) is no routine one.
    bool windowsChanged = false;
    for (std::size_t i = 0; i < views_.size() && i < shownBefore.size(); ++i) {
        windowsChanged = windowsChanged || views_[i].shown() != shownBefore[i];
    }
    refreshViews(windowsChanged);
}

void ScreenSync::sync() { refreshViews(false); }

void ScreenSync::refreshViews(bool hiddenToo) {
    for (View& view : views_) {
        if (!view.binder) continue;
        if (hiddenToo) {
            view.binder->refresh();
            view.stale = false;
        } else if (!view.binder->root() || view.shown()) {
            view.binder->refreshChanged();
            view.stale = false;
        } else {
            view.stale = true;
        }
    }
    for (DrivenTimer& driven : timers_) syncTimer(driven);
}

bool ScreenSync::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        for (View& view : views_) {
            if (view.stale && view.binder && view.binder->root() == watched) {
                view.binder->refresh();
                view.stale = false;
            }
        }
    }
    return QObject::eventFilter(watched, event);
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
    inner_.post([sync, fn = std::move(fn)] { sync->handleRoutine(fn); });
}

}  // namespace vardeck::ui
