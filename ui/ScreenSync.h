#pragma once
#include "serial/Dispatcher.h"
#include "ui/QtDispatcher.h"
#include "controls/ModelTimer.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QTimer;

namespace vardeck::ui {

class ControlBinder;

// Brings the views up to date after every event the screen models handle — a line
// notification, a timer, a user's action — and makes Qt timers follow the model
// timers: a model timer that is started or gets another interval counts its interval
// afresh from that moment, one that merely keeps running is left alone.
//
// timeScale divides every interval (at least 1 ms): 1 for the program; tests may run
// the screens' clocks faster. Line timing is not scaled.
class ScreenSync : public QObject {
    Q_OBJECT
public:
    explicit ScreenSync(double timeScale = 1.0, QObject* parent = nullptr);

    void addBinder(ControlBinder& binder);
    void addTimers(const controls::TimerList& timers);

    // Runs a model's event handler, then refreshes views and timers.
    void handle(const std::function<void()>& event);
    void sync();

    double timeScale() const { return timeScale_; }
    int scaled(int ms) const;

private:
    struct DrivenTimer {
        controls::ModelTimer* model;
        QTimer* timer;
        unsigned generation;
    };
    void syncTimer(DrivenTimer& driven);

    double timeScale_;
    std::vector<QPointer<ControlBinder>> binders_;
    std::vector<DrivenTimer> timers_;
};

// The dispatcher of the serial channels: runs each line event on the GUI thread and
// then refreshes the views.
class SyncingDispatcher : public Dispatcher {
public:
    SyncingDispatcher(QObject* context, ScreenSync& sync) : inner_(context), sync_(sync) {}
    void post(std::function<void()> fn) override;

private:
    QtDispatcher inner_;
    ScreenSync& sync_;
};

}  // namespace vardeck::ui
