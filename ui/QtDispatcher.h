#pragma once
#include "serial/Dispatcher.h"

#include <QObject>

namespace vardeck::ui {

// Hands work from any thread to the GUI thread through Qt's event queue.
class QtDispatcher : public Dispatcher {
public:
    explicit QtDispatcher(QObject* context) : context_(context) {}
    void post(std::function<void()> fn) override;

private:
    QObject* context_;
};

}  // namespace vardeck::ui
