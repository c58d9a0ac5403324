#pragma once
#include "controls/ControlRegistry.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vardeck::ui {

// Keeps the widgets of a view in step with the headless controls of its screen.
// Each widget (or menu action) whose objectName is a control's name is bound to that
// control; the root widget itself is bound to the control of its own name (the
// window). refresh() copies every control's state to its widget (without echoing it
// back as a user edit), and a user's edit or click is copied to the control and then
// reported through onUserChange so that the screen can run its rule for that control.
//
// Widgets by control kind: label QLabel or QGroupBox; button QAbstractButton; check
// box QAbstractButton; edit QLineEdit, or a read-only QPlainTextEdit for a
// multi-line text; list QComboBox, or QGroupBox of radio buttons;
// spin edit QSpinBox; check list QListWidget; grid QTableWidget (its rows follow the
// grid's row count, its header the fixed row); page a tab of a QTabWidget; status bar
// QStatusBar with one QLabel or StatusPanel a panel, on the bar's colour; panel
// ModelPanel, QLabel or QFrame; picture PictureWidget (clicks reported) or QLabel;
// lamp LampWidget; gauge QProgressBar, its bar in the gauge's colour; menu item QAction; window the
// root widget (caption, colour, icon; showing and hiding windows is left to the program).
class ControlBinder : public QObject {
    Q_OBJECT
public:
    // name of the control the user changed or clicked
    using ChangeHandler = std::function<void(const std::string& controlName)>;

    ControlBinder(controls::ControlRegistry& registry, QWidget* root, ChangeHandler onUserChange);

    // Model to widgets, for every bound control.
    void refresh();
    // The same for the controls that changed since their widgets last showed them,
    // and those a user changed or clicked since (Qt may have changed their widget on
    // its own, as a check box's tick or a checkable action's mark).
    void refreshChanged();
    // Run after every refresh: what a view shows beyond its controls' own state.
    std::function<void()> afterRefresh;

    // Controls without a widget (for the tests that keep view and model from drifting apart).
    std::vector<std::string> unboundControls() const;
    // Widgets and actions below the root named like no control ("qt_" names of Qt's
    // own parts are not counted).
    std::vector<std::string> widgetsWithoutControl() const;
    QWidget* widgetFor(const std::string& controlName) const;
    // The widget the binder was made for (null once it is gone).
    QWidget* root() const { return root_; }
    QObject* objectFor(const std::string& controlName) const;

private:
    struct Binding {
        controls::Control* control;
        QPointer<QObject> object;
        QRect designed;  // the widget's geometry when bound, for placements
        // The control's revision its widget shows; none until refreshed, and after a user's change.
        std::optional<std::uint64_t> shownRevision = std::nullopt;
    };
    void refreshBindings(bool changedOnly);
    void connectObject(const Binding& binding);
    void refreshOne(Binding& binding);
    void applyPlacement(const Binding& binding);
    void userChanged(controls::Control* control);

    controls::ControlRegistry& registry_;
    QPointer<QWidget> root_;
    ChangeHandler onUserChange_;
    std::vector<Binding> bindings_;
    bool refreshing_ = false;
};

}  // namespace vardeck::ui
