#include "ui/QtDispatcher.h"

#include <QMetaObject>

namespace vardeck::ui {

void QtDispatcher::post(std::function<void()> fn) {
    // Queued: the function runs in the event loop of the context object's thread.
    QMetaObject::invokeMethod(context_, std::move(fn), Qt::QueuedConnection);
}

}  // namespace vardeck::ui
