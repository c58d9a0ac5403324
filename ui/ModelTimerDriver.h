#pragma once
#include "controls/ModelTimer.h"

#include <QObject>

#include <functional>
#include <vector>

class QTimer;

namespace vardeck::ui {

// Runs the model timers of one screen with Qt timers, for a window that is not driven
// by the program's ScreenSync (a view opened by another screen). sync() makes each Qt
// timer follow its model timer: a model timer that was started or got another
// interval counts its interval afresh, one that merely keeps running is left alone.
// After a model timer fires, `afterFire` shows the result and the timers are synced.
class ModelTimerDriver : public QObject {
    Q_OBJECT
public:
    ModelTimerDriver(const controls::TimerList& timers, std::function<void()> afterFire, QObject* parent = nullptr);

    void sync();
    // True while the Qt timer of the named model timer runs (for tests).
    bool running(const std::string& name) const;

private:
    struct Driven {
        controls::ModelTimer* model;
        QTimer* timer;
        unsigned generation;
    };
    void syncOne(Driven& driven);

    std::function<void()> afterFire_;
    std::vector<Driven> driven_;
};

}  // namespace vardeck::ui
