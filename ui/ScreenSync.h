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
// Timers and line notifications come on their own, many times a second (also the
// timers of screens whose windows are hidden), and mostly change little of what a
// shown view displays: after them, and after sync(), only the shown views are
// refreshed, and in them only the widgets of controls that changed. A
// hidden view catches up when it is shown, or at the next handle() (a user's action,
// a call of the program) or routine event that shows or hides a window (a hand-over),
// which refresh every view.
//
// timeScale divides every interval (at least 1 ms): 1 for the program; tests may run
// the screens' clocks faster. Line timing is not scaled.
class ScreenSync : public QObject {
    Q_OBJECT
public:
    explicit ScreenSync(double timeScale = 1.0, QObject* parent = nullptr);

    void addBinder(ControlBinder& binder);
    void addTimers(const controls::TimerList& timers);

    // Runs a model's event handler, then refreshes every view and the timers.
    void handle(const std::function<void()>& event);
    // The same for a timer or a line notification: then sync(), or every view when
    // the event showed or hid one of them.
    void handleRoutine(const std::function<void()>& event);
    // Refreshes the shown views and the timers.
    void sync();

    double timeScale() const { return timeScale_; }
    int scaled(int ms) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DrivenTimer {
        controls::ModelTimer* model;
        QTimer* timer;
        unsigned generation;
    };
    struct View {
        QPointer<ControlBinder> binder;
        bool stale = false;  // the model changed while the view was hidden
        bool shown() const;
    };
    void syncTimer(DrivenTimer& driven);
    void refreshViews(bool hiddenToo);

    double timeScale_;
    std::vector<View> views_;
    std::vector<DrivenTimer> timers_;
};

// The dispatcher of the serial channels: runs each line event on the GUI thread and
// then refreshes the shown views.
class SyncingDispatcher : public Dispatcher {
public:
    SyncingDispatcher(QObject* context, ScreenSync& sync) : inner_(context), sync_(sync) {}
    void post(std::function<void()> fn) override;

private:
    QtDispatcher inner_;
    ScreenSync& sync_;
};

}  // namespace vardeck::ui
