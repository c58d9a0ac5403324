#pragma once
#include "ui/views/ViewWindow.h"

class QBoxLayout;
class QMenu;

namespace vardeck {
class Form8Model;
}

namespace vardeck::ui {

// The search view: the brand's model panels with their demo menu, the language flags
// with their lamps, the port, demo and exit buttons, the running gauge and the search
// counters in the status bar.
class Form8View : public ViewWindow {
    Q_OBJECT
public:
    Form8View(Form8Model& model, ScreenSync& sync);

    // The model panel (1..8) whose popup menu was opened last; 3 before any.
    int popupPanel() const { return popupPanel_; }
    // Opens the demo menu of a model panel, as a right click on it does.
    void openPanelMenu(int panelNumber, const QPoint& globalPos);
    QMenu* panelMenu() const { return panelMenu_; }

private:
    void build();
    void route();
    void followLiftedControls();

    Form8Model& model_;
    QBoxLayout* pictures_ = nullptr;
    QBoxLayout* buttons_ = nullptr;
    bool lifted_ = false;
    QMenu* panelMenu_ = nullptr;
    int popupPanel_ = 3;
};

}  // namespace vardeck::ui
