#pragma once
#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "z4screen/Z4Configurator.h"

namespace vardeck::ui {
class ControlBinder;
}

namespace vardeck::ui::z4 {

class WiringDrawing;

// One view of the configurator's menu bar: a modal window whose widgets are named
// after the controls of its headless view and bound to them. The window has no parent
// widget, so the configurator's binders never reach into it.
class MenuViewWindow : public QDialog {
    Q_OBJECT
public:
    MenuViewWindow(const char* name, controls::ControlRegistry& registry);
    ~MenuViewWindow() override;

    // Model to widgets, then afterRefresh.
    virtual void refresh();
    std::function<void()> afterRefresh;
    // Sizes and places the window as it opens (after its refresh): centred over `over`.
    virtual void placeOver(QWidget* over);
    // Closes the window because the program decided so, not the user: the view's
    // model has been closed already.
    virtual void closeByProgram() { close(); }
    std::vector<std::string> unboundControls() const;
    std::vector<std::string> widgetsWithoutControl() const;

protected:
    // Binds the widgets built so far; a click on a control runs its handler.
    void bind(std::map<std::string, std::function<void()>> actions);

private:
    controls::ControlRegistry& registry_;
    std::unique_ptr<ControlBinder> binder_;
};

// The views of the menu bar, created with the configurator window and kept for the run.
class MenuViewWindows {
public:
    explicit MenuViewWindows(z4screen::Z4Configurator& model);
    ~MenuViewWindows();

    // Shows the view, brought up to date, modally over `over`.
    void open(z4screen::MenuView view, QWidget* over);
    MenuViewWindow* window(z4screen::MenuView view) const;
    // Closes the view if it is open (the configurator closes the firmware view itself).
    void close(z4screen::MenuView view);
    // Brings the views that are open up to date (after a change of the configurator).
    void refreshShown();
    // Runs after every refresh of a view: a view's button, timer or closing may have
    // started or ended an operation of the configurator.
    std::function<void()> afterRefresh;

private:
    std::map<z4screen::MenuView, std::unique_ptr<MenuViewWindow>> windows_;
};

}  // namespace vardeck::ui::z4
