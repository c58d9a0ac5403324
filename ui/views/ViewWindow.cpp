#include "ui/views/ViewWindow.h"

#include "ui/ScreenSync.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

namespace vardeck::ui {

ViewWindow::ViewWindow(const std::string& name, ScreenSync& sync, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), sync_(sync) {
    setObjectName(QString::fromStdString(name));
}

void ViewWindow::bind(controls::ControlRegistry& registry) {
    binder_ = new ControlBinder(registry, this, [this](const std::string& name) {
        auto it = actions_.find(name);
        if (it == actions_.end()) {
            sync_.sync();  // an edit without a rule still shows on the other views
            return;
        }
        sync_.handle(it->second);
    });
    sync_.addBinder(*binder_);
}

void ViewWindow::onAction(const std::string& controlName, std::function<void()> handler) {
    actions_[controlName] = std::move(handler);
}

void ViewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Spontaneous show events come from the window system (a window restored from
    // minimised); only the program's own showing activates the screen.
    if (!event->spontaneous() && onShown) sync_.handle(onShown);
}

void ViewWindow::closeEvent(QCloseEvent* event) {
    bool accept = true;
    if (onClose) sync_.handle([&] { accept = onClose(); });
    if (accept) event->accept();
    else event->ignore();
}

void ViewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && onEscape) {
        sync_.handle(onEscape);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace vardeck::ui
