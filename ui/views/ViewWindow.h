#pragma once
#include "ui/ControlBinder.h"

#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace vardeck::controls {
class ControlRegistry;
}

namespace vardeck::ui {

class ScreenSync;

// The window of one screen: its widgets are named after the screen's controls and
// kept in step by a ControlBinder; a user's action on a control runs the screen's
// handler for it (registered with onAction) and then refreshes every view.
//
// Showing the window is the screen's activation (onShown). Closing it asks onClose,
// which may refuse; Escape runs onEscape when one is set.
class ViewWindow : public QWidget {
    Q_OBJECT
public:
    ViewWindow(const std::string& name, ScreenSync& sync, QWidget* parent = nullptr,
               Qt::WindowFlags flags = Qt::Window);

    ControlBinder& binder() { return *binder_; }
    ScreenSync& sync() { return sync_; }

    std::function<void()> onShown;
    std::function<bool()> onClose;  // false keeps the window open
    std::function<void()> onEscape;

protected:
    // Binds the widgets built so far to the registry's controls; called once by the
    // view after it has built its widgets.
    void bind(controls::ControlRegistry& registry);
    void onAction(const std::string& controlName, std::function<void()> handler);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ScreenSync& sync_;
    ControlBinder* binder_ = nullptr;
    std::map<std::string, std::function<void()>> actions_;
};

}  // namespace vardeck::ui
