#pragma once
#include "z4config/controls/ControlRegistry.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace vardeck::ui {

// Keeps the widgets of a view in step with the headless controls of its screen.
// Each widget whose objectName is a control's name is bound to that control:
// refresh() copies every control's state to its widget (without echoing it back as
// a user edit), and a user's edit is copied to the control and then reported
// through onUserChange so that the screen can run its rule for that control.
class ControlBinder : public QObject {
    Q_OBJECT
public:
    // name of the control the user changed or clicked
    using ChangeHandler = std::function<void(const std::string& controlName)>;

    ControlBinder(controls::ControlRegistry& registry, QWidget* root, ChangeHandler onUserChange);

    // Model to widgets, for every bound control.
    void refresh();

    // Controls without a widget, and widgets named like no control (for the tests
    // that keep view and model from drifting apart).
    std::vector<std::string> unboundControls() const;
    QWidget* widgetFor(const std::string& controlName) const;

private:
    struct Binding {
        controls::Control* control;
        QPointer<QWidget> widget;
    };
    void connectWidget(const Binding& binding);
    void refreshOne(const Binding& binding);
    void userChanged(controls::Control* control);

    controls::ControlRegistry& registry_;
    QPointer<QWidget> root_;
    ChangeHandler onUserChange_;
    std::vector<Binding> bindings_;
    bool refreshing_ = false;
};

}  // namespace vardeck::ui
