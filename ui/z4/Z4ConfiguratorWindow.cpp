#include "ui/z4/Z4ConfiguratorWindow.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QTabBar>
#include <QShowEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <set>

#include "ui/ControlBinder.h"
#include "ui/z4/DevicePicture.h"
#include "ui/z4/SoundFileFields.h"
#include "ui/widgets/PictureWidget.h"
#include "ui/z4/Z4MenuViewWindows.h"
#include "ui/z4/Z4Pages.h"
#include "ui/z4/Z4Widgets.h"
#include "z4config/ContactIdPages.h"
#include "z4screen/ConfiguratorControls.h"

namespace vardeck::ui::z4 {
namespace {

// During a transfer every reply changes the gauge; the window is redrawn at this pace.
constexpr int kBusyRefreshMs = 150;
// The resting tick comes this long after the PC clock's second has changed.
constexpr int kPastSecondMs = 2;
// The window's size before the first activation scales it.
constexpr int kDesignWidth = 1180;
constexpr int kDesignHeight = 740;
// Menu items that start a group of their own.
const std::set<std::string> kSeparatorBefore = {"GSMsoftververzi1", "Modulllapotmegjelentse1", "Kilps1", "Contact1"};

QWidget* buildPage(const std::string& name, QWidget* parent) {
    if (name == "TabSheet1") return phonePage(parent);
    if (name >= "TabSheet2" && name <= "TabSheet5" && name.size() == 9) return inputPage(name[8] - '1', parent);
    if (z4screen::isPlaceholderPage(name)) return placeholderPage(name.c_str(), parent);
    static const std::map<std::string, QWidget* (*)(QWidget*)> builders = {
        {"TabSheet10", outputPage},         {"TabSheet11", tamperPage},    {"TabSheet12", powerMonitorPage},
        {"TabSheet13", lifeSignalPage},     {"TabSheet14", otherPage},     {"TabSheet15", callerIdPage},
        {"TabSheet16", temperaturePage},    {"TabSheet17", gpsPage},       {"TabSheet18", speedPage},
        {"TabSheet19", liftPage},           {"TabSheet20", gprsPage},      {"TabSheet21", cidSmsPage},
        {"TabSheet24", remoteMonitoringPage}, {"TabSheet27", openClosePage}, {"TabSheet22", soundPage},
    };
    return builders.at(name)(parent);
}

}  // namespace

Z4ConfiguratorWindow::Z4ConfiguratorWindow(z4screen::Z4Configurator& model, QWidget* parent)
    : QMainWindow(parent), model_(model) {
    setObjectName("Z4Form1");
    buildMenus();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(8, 4, 8, 4);
    column->addWidget(buildHeader());
    buildPages();
    column->addWidget(tabs_, 1);
    column->addWidget(buildCustomerPanel());
    column->addWidget(buildButtonRow());
    column->addWidget(buildHelpBox());
    setCentralWidget(central);
    // The gauges whose range changes with each operation; the binder keeps only their
    // visibility, showExtras() their position.
    for (const char* name : {"kijelzo", "Gauge1", "Gauge2"}) {
        if (auto* bar = findChild<QProgressBar*>(name)) gauges_.push_back({name, bar});
    }
    buildStatusBar();
    connectContextMenus();
    watchSoundFileFields(this, [this](const std::string& field) {
        model_.soundFileClicked(field);
        refresh();
    });
    bind();

    model_.closeWindow = [this] { requestClose(); };
    menuViews_ = std::make_unique<MenuViewWindows>(model_);
    model_.openView = [this](z4screen::MenuView view) { menuViews_->open(view, this); };
    model_.closeView = [this](z4screen::MenuView view) { menuViews_->close(view); };
    menuViews_->afterRefresh = [this] { scheduleTick(); };
    connect(&ticker_, &QTimer::timeout, this, &Z4ConfiguratorWindow::tick);
    // Coming back from another program is no activation of this one's window.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive) return;
        cameFromOtherProgram_ = true;
        QTimer::singleShot(0, this, [this] { cameFromOtherProgram_ = false; });
    });
    resize(kDesignWidth, kDesignHeight + model_.targets().find("Z4Form1")->placement().heightShift);
    sizeFromPlacements();
    sinceRefresh_.start();
    refresh();
}

Z4ConfiguratorWindow::~Z4ConfiguratorWindow() {
    model_.closeWindow = nullptr;
    model_.openView = nullptr;
    model_.closeView = nullptr;
}

MenuViewWindow* Z4ConfiguratorWindow::menuView(z4screen::MenuView view) const { return menuViews_->window(view); }

// --- Building ---------------------------------------------------------------------------

void Z4ConfiguratorWindow::buildMenus() {
    std::set<std::string> submenus;
    for (const z4screen::MenuEntry& e : z4screen::menuLayout()) {
        if (*e.parent) submenus.insert(e.parent);
    }
    std::map<std::string, QMenu*> menus;
    for (const z4screen::MenuEntry& e : z4screen::menuLayout()) {
        QMenu* parentMenu = *e.parent ? menus.at(e.parent) : nullptr;
        if (parentMenu && kSeparatorBefore.count(e.name)) parentMenu->addSeparator();
        if (submenus.count(e.name)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(QString()) : menuBar()->addMenu(QString());
            menu->menuAction()->setObjectName(e.name);
            menus[e.name] = menu;
            continue;
        }
        auto* action = new QAction(this);
        action->setObjectName(e.name);
        if (parentMenu) parentMenu->addAction(action);
        else menuBar()->addAction(action);
    }
}

QWidget* Z4ConfiguratorWindow::buildHeader() {
    auto* header = new QWidget(this);
    auto* line = new QHBoxLayout(header);
    line->setContentsMargins(0, 0, 0, 0);
    picture_ = new DevicePicture(header);
    picture_->setObjectName("Image1");
    line->addWidget(picture_);
    line->addSpacing(16);
    auto* logo = new PictureWidget(header);
    logo->setObjectName("Image16");
    line->addWidget(logo);
    QLabel* company = title("Label3D1", header);
    QFont big = company->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    company->setFont(big);
    line->addWidget(company);
    line->addStretch();
    line->addWidget(label("Label99", header));
    return header;
}

void Z4ConfiguratorWindow::buildPages() {
    tabs_ = new QTabWidget(this);
    tabs_->setUsesScrollButtons(true);
    for (const z4screen::PageEntry& entry : z4screen::pageOrder()) {
        const std::string& caption = model_.targets().find(entry.name)->caption();
        tabs_->addTab(buildPage(entry.name, tabs_), QString::fromStdString(caption));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &Z4ConfiguratorWindow::tabChanged);
}

QWidget* Z4ConfiguratorWindow::buildCustomerPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel16");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 4, 8, 4);
    const char* fields[][2] = {{"Label58", "Edit2"}, {"Label59", "Edit3"}, {"Label60", "Edit4"},
                               {"Label61", "Edit5"}, {"Label62", "Edit6"}, {"Label63", "Edit7"}};
    for (int i = 0; i < 6; ++i) {
        const int row = i % 3;
        const int col = (i / 3) * 2;
        grid->addWidget(label(fields[i][0], panel), row, col);
        grid->addWidget(edit(fields[i][1], panel), row, col + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(button("BitBtn7", panel));
    buttons->addWidget(button("BitBtn8", panel));
    buttons->addStretch();
    grid->addLayout(buttons, 0, 4, 3, 1);
    return panel;
}

QWidget* Z4ConfiguratorWindow::buildButtonRow() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    for (const char* name : {"BitBtn2", "BitBtn1", "BitBtn4"}) {
        QPushButton* b = button(name, row);
        b->setMinimumWidth(110);
        line->addWidget(b);
    }
    line->addWidget(gauge("kijelzo", row), 1);
    line->addStretch();
    for (const char* name : {"Button14", "Button15", "Button6", "Button12"}) line->addWidget(button(name, row));
    // The factory test's indicators, small coloured squares beside its buttons.
    for (const char* name : {"Panel28", "Panel29", "Panel30", "Panel31", "Panel32"}) {
        auto* indicator = new QFrame(row);
        indicator->setObjectName(name);
        indicator->setFrameShape(QFrame::Box);
        indicator->setFixedSize(18, 18);
        line->addWidget(indicator);
    }
    QPushButton* quit = button("BitBtn3", row);
    quit->setMinimumWidth(110);
    line->addWidget(quit);
    return row;
}

// The help box of the four-area brand, below the transfer buttons.
QWidget* Z4ConfiguratorWindow::buildHelpBox() {
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(memo("RichEdit1", row));
    line->addStretch();
    return row;
}

// A brand's placement names sizes for some widgets; the layouts place them, so a
// width becomes the widget's width and a height the least height it gets.
void Z4ConfiguratorWindow::sizeFromPlacements() {
    for (controls::Control* control : model_.screenControls().all()) {
        const controls::Placement& p = control->placement();
        if (!p.width && !p.height) continue;
        auto* widget = findChild<QWidget*>(QString::fromStdString(control->name()));
        if (!widget) continue;
        if (p.width) widget->setFixedWidth(*p.width + p.widthShift);
        if (p.height) widget->setMinimumHeight(*p.height + p.heightShift);
    }
}

void Z4ConfiguratorWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    const int widths[] = {90, 150, 90, 0};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(bar);
        panel->setMinimumWidth(widths[i]);
        bar->addWidget(panel, i == 3 ? 1 : 0);
    }
}

void Z4ConfiguratorWindow::connectContextMenus() {
    for (int phone = 1; phone <= 8; ++phone) {
        auto* field = findChild<QLineEdit*>("MaskEdit" + QString::number(phone));
        connect(field, &QWidget::customContextMenuRequested, this, [this, field, phone](const QPoint& at) {
            QMenu menu(field);
            for (const char* item : {"Delete", "+3630", "+3620"}) menu.addAction(item);
            if (QAction* chosen = menu.exec(field->mapToGlobal(at))) {
                model_.phoneMenuClicked(phone, chosen->text().toStdString());
                refresh();
            }
        });
    }
    // The command is a plain function rather than a member pointer: GCC 12 with -O1 and
    // the sanitizers warns falsely that a member pointer captured here may be uninitialized.
    auto gridMenu = [this](const char* gridName, const char* command, std::function<void()> run) {
        auto* table = findChild<QTableWidget*>(gridName);
        connect(table, &QWidget::customContextMenuRequested, this, [this, table, command, run](const QPoint& at) {
            QMenu menu(table);
            menu.addAction(QString::fromUtf8(command));
            if (menu.exec(table->viewport()->mapToGlobal(at))) {
                run();
                refresh();
            }
        });
    };
    gridMenu("StringGrid2", z4config::kLoadZoneTemplateCommand, [this] { model_.loadZoneTemplate(); });
    gridMenu("StringGrid3", z4config::kLoadDefaultEventCodesCommand, [this] { model_.loadDefaultEventCodes(); });
    auto* events = findChild<QTableWidget*>("StringGrid3");
    connect(events, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (syncingTabs_ || row < 0) return;
        model_.eventRowSelected(row + 1);
        refresh();
    });
}

void Z4ConfiguratorWindow::bind() {
    binders_.push_back(std::make_unique<ControlBinder>(
        model_.editor().controls(), this, [this](const std::string& name) { userChanged(name, false); }));
    binders_.push_back(std::make_unique<ControlBinder>(
        model_.screenControls(), this, [this](const std::string& name) { userChanged(name, false); }));
    binders_.push_back(std::make_unique<ControlBinder>(
        model_.menus(), this, [this](const std::string& name) { userChanged(name, true); }));
}

// --- Events -------------------------------------------------------------------------------

void Z4ConfiguratorWindow::tick() {
    model_.tick();
    const bool busy = model_.engine().vars().state != 0;
    if (model_.revision() != shownRevision_ && (!busy || sinceRefresh_.elapsed() >= kBusyRefreshMs)) refresh();
    scheduleTick();
}

// The tick runs at the engine's pace while the model has work for it. With nothing
// to do it only keeps the clock label going: once a second, just after the PC
// clock's second has changed, and not at all while the window is hidden (showing
// it ticks at once). Every event that may start an operation ends here: a tick, a
// refresh after the user's input, and the refresh of a menu view after its own.
void Z4ConfiguratorWindow::scheduleTick() {
    if (model_.tickNeeded()) {
        // A tick already running at the engine's pace keeps its phase.
        if (ticker_.isActive() && ticker_.interval() == z4screen::Z4Configurator::kTickPeriodMs) return;
        ticker_.setTimerType(Qt::CoarseTimer);
        ticker_.start(z4screen::Z4Configurator::kTickPeriodMs);
    } else if (!isVisible()) {
        ticker_.stop();
    } else {
        const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
        const auto intoSecond = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch) % 1000;
        ticker_.setTimerType(Qt::PreciseTimer);
        ticker_.start(static_cast<int>(1000 - intoSecond.count()) + kPastSecondMs);
    }
}

void Z4ConfiguratorWindow::userChanged(const std::string& control, bool menu) {
    if (menu) model_.menuClicked(control);
    else model_.userChanged(control);
    refresh();
}

void Z4ConfiguratorWindow::tabChanged(int index) {
    if (syncingTabs_ || index < 0) return;
    model_.pageSelected(tabs_->widget(index)->objectName().toStdString());
    refresh();
}

bool Z4ConfiguratorWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !cameFromOtherProgram_) scheduleActivation();
    return QMainWindow::event(e);
}

// The activation runs after the event that caused it: a message box closing
// re-activates the window while the model may still be inside the call that opened it.
// Showing the window counts too, whether or not the window manager gives it the focus.
void Z4ConfiguratorWindow::scheduleActivation() {
    if (activationPending_) return;
    activationPending_ = true;
    QTimer::singleShot(0, this, &Z4ConfiguratorWindow::activated);
}

void Z4ConfiguratorWindow::activated() {
    activationPending_ = false;
    model_.activate();
    if (const auto scale = model_.takeWindowScale()) {
        resize(width() * scale->numerator / scale->denominator, height() * scale->numerator / scale->denominator);
        move(scale->left, scale->top);
    }
    refresh();
}

void Z4ConfiguratorWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // The clock label has rested while the window was hidden.
    ticker_.start(0);
    if (!e->spontaneous()) scheduleActivation();
    if (!watchingWindow_ && windowHandle()) {
        windowHandle()->installEventFilter(this);
        watchingWindow_ = true;
    }
}

// The close box reaches the window handle first: the model asks its question there,
// and a refused close never becomes the window's close event.
bool Z4ConfiguratorWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == windowHandle() && e->type() == QEvent::Close && !model_.closeRequested()) {
        refresh();
        e->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void Z4ConfiguratorWindow::widenForPages() {
    const int frame = width() - tabs_->width();
    const int wanted = tabs_->tabBar()->sizeHint().width() + std::max(frame, 24);
    const QScreen* shownOn = screen();
    const int room = shownOn ? shownOn->availableGeometry().width() : wanted;
    if (wanted > width()) resize(std::max(width(), std::min(wanted, room)), height());
}

void Z4ConfiguratorWindow::requestClose() {
    if (model_.closeRequested()) close();
    else refresh();
}

// --- Showing the model ----------------------------------------------------------------------

void Z4ConfiguratorWindow::refresh() {
    syncingTabs_ = true;
    for (auto& binder : binders_) binder->refresh();
    showExtras();
    // An open diagnostic view shows what the configurator's operations bring.
    if (menuViews_) menuViews_->refreshShown();
    syncingTabs_ = false;
    shownRevision_ = model_.revision();
    sinceRefresh_.restart();
    scheduleTick();
    // A page the firmware or the brand has just hidden was left by the tab widget.
    QWidget* current = tabs_->currentWidget();
    if (current && current->objectName().toStdString() != model_.activePage()) {
        const std::string page = current->objectName().toStdString();
        QTimer::singleShot(0, this, [this, page] {
            model_.pageSelected(page);
            refresh();
        });
    }
}

// Setting the caption of a hidden tab, as a refresh does, leaves Qt 6.4's tab bar
// scrolled wrongly (only the first tabs show, pushed to the right). Showing and hiding
// the hidden tabs once more lays the bar out afresh. That relayout (and the repaint
// it causes) is done only when a caption or a tab's visibility has changed.
void Z4ConfiguratorWindow::repairTabBar() {
    QStringList tabs;
    for (int i = 0; i < tabs_->count(); ++i) tabs << (tabs_->isTabVisible(i) ? "+" : "-") + tabs_->tabText(i);
    if (tabs == repairedTabs_) return;
    repairedTabs_ = tabs;
    for (int i = 0; i < tabs_->count(); ++i) {
        if (tabs_->isTabVisible(i)) continue;
        tabs_->setTabVisible(i, true);
        tabs_->setTabVisible(i, false);
    }
}

void Z4ConfiguratorWindow::showExtras() {
    repairTabBar();
    for (const auto& [name, bar] : gauges_) {
        const auto& model = model_.targets().get<z4screen::ProgressGauge>(name);
        if (bar->maximum() != model.max()) bar->setMaximum(model.max());
        if (bar->value() != model.progress()) bar->setValue(std::min(model.progress(), model.max()));
    }
    picture_->setModelName(QString::fromStdString(model_.targets().find("Image1")->caption()));
    // The model's page is the current tab, unless it cannot be shown.
    if (QWidget* page = tabs_->findChild<QWidget*>(QString::fromStdString(model_.activePage()))) {
        const int index = tabs_->indexOf(page);
        if (index >= 0 && tabs_->isTabVisible(index) && tabs_->currentIndex() != index) tabs_->setCurrentIndex(index);
    }
}

std::vector<std::string> Z4ConfiguratorWindow::unboundControls() const {
    std::vector<std::string> missing;
    for (const auto& binder : binders_) {
        for (const std::string& name : binder->unboundControls()) missing.push_back(name);
    }
    return missing;
}

std::vector<std::string> Z4ConfiguratorWindow::widgetsWithoutControl() const {
    // A name is without a control only when no registry knows it.
    std::map<std::string, int> counts;
    for (const auto& binder : binders_) {
        for (const std::string& name : binder->widgetsWithoutControl()) ++counts[name];
    }
    // The tab bar names its own scroll buttons.
    const std::set<std::string> qtParts = {"ScrollLeftButton", "ScrollRightButton"};
    std::vector<std::string> names;
    for (const auto& [name, count] : counts) {
        if (count == static_cast<int>(binders_.size()) && !qtParts.count(name)) names.push_back(name);
    }
    return names;
}

}  // namespace vardeck::ui::z4
