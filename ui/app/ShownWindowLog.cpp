#include "ui/app/ShownWindowLog.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <set>
#include <string>

namespace vardeck::ui {
namespace {

class ShownWindowLog : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            // The first painting of the window itself; its children follow within the same pass.
            if (widget->isWindow() && seen_.insert(widget->objectName().toStdString()).second) {
                std::fprintf(stderr, "vardeck: shown %s\n", widget->objectName().toUtf8().constData());
                std::fflush(stderr);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::set<std::string> seen_;
};

}  // namespace

void logShownWindowsWhenAsked(QApplication& app) {
    if (qEnvironmentVariableIsEmpty("VARDECK_WINDOW_LOG")) return;
    app.installEventFilter(new ShownWindowLog(&app));
}

}  // namespace vardeck::ui
