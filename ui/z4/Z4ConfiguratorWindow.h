#pragma once
#include <QElapsedTimer>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "z4screen/Z4Configurator.h"

class QTabWidget;
class QProgressBar;

namespace vardeck::ui {
class ControlBinder;
}

namespace vardeck::ui::z4 {

class DevicePicture;
class MenuViewWindow;
class MenuViewWindows;

// The Z-4 configurator's window ("Z4Form1"): menu bar, the device picture and company
// label, the tab pages of the editor, the customer panel, the transfer buttons with
// the gauge, the clock and the status bar. Every widget is named after the control it
// shows and kept in step with the screen model by binders; one timer ticks the model
// while it has work, and only for the clock (or not at all when hidden) while idle.
//
// Closing: the close box and "Kilépés" ask the model first (the question while an
// operation runs); only an accepted close reaches the window as a close event.
class Z4ConfiguratorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit Z4ConfiguratorWindow(z4screen::Z4Configurator& model, QWidget* parent = nullptr);
    ~Z4ConfiguratorWindow() override;

    // Shows the model's state on every widget.
    void refresh();
    // The model's controls without a widget, and named widgets without a control.
    std::vector<std::string> unboundControls() const;
    std::vector<std::string> widgetsWithoutControl() const;
    QTabWidget* pages() const { return tabs_; }
    // Widens the window, as far as the screen allows, until every shown tab fits.
    void widenForPages();
    z4screen::Z4Configurator& model() { return model_; }
    // The window of a view of the menu bar (hidden until the menu opens it).
    MenuViewWindow* menuView(z4screen::MenuView view) const;
    // The interval of the model's tick as it now runs; -1 while it rests (for tests).
    int tickIntervalMs() const { return ticker_.isActive() ? ticker_.interval() : -1; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildHeader();
    void buildPages();
    QWidget* buildCustomerPanel();
    QWidget* buildButtonRow();
    QWidget* buildHelpBox();
    void sizeFromPlacements();
    void buildStatusBar();
    void connectContextMenus();
    void bind();

    void tick();
    void scheduleTick();
    void userChanged(const std::string& control, bool menu);
    void tabChanged(int index);
    void scheduleActivation();
    void activated();
    void showExtras();
    void repairTabBar();
    void requestClose();

    z4screen::Z4Configurator& model_;
    std::vector<std::unique_ptr<ControlBinder>> binders_;
    std::unique_ptr<MenuViewWindows> menuViews_;
    QTabWidget* tabs_ = nullptr;
    // The progress gauges by control name: transfer, sound upload, phonebook.
    std::vector<std::pair<std::string, QProgressBar*>> gauges_;
    DevicePicture* picture_ = nullptr;
    QTimer ticker_;
    QStringList repairedTabs_;  // the tabs' captions and visibility at the last repair
    QElapsedTimer sinceRefresh_;
    unsigned shownRevision_ = 0;
    bool syncingTabs_ = false;
    bool activationPending_ = false;
    bool cameFromOtherProgram_ = false;
    bool watchingWindow_ = false;
};

}  // namespace vardeck::ui::z4
