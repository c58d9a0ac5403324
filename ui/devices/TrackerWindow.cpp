#include "ui/devices/TrackerWindow.h"

#include "devices/TrackerScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace vardeck::ui {

namespace {

// Submenus and their items, in menu order.
struct MenuLayout {
    const char* menu;
    std::initializer_list<const char*> items;
};
const MenuLayout kMenus[] = {
    {"Parancsok1", {"Olvass1", "Irs1"}},
    {"Egyb1", {"Kilps1", "wavecom1", "Verzi2"}},
    {"IPcimek1", {"IPcim1", "IPcim2"}},
};

template <class W>
W* named(const char* name, QWidget* parent) {
    auto* w = new W(parent);
    w->setObjectName(name);
    return w;
}

}  // namespace

TrackerWindow::TrackerWindow(devices::TrackerScreen& model, ScreenSync& sync)
    : ViewWindow("traxomain", sync), model_(model) {
    auto* column = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    buildMenus(bar);
    column->setMenuBar(bar);

    auto* fields = new QGridLayout;
    const char* rows[][2] = {{"Label1", "Edit1"}, {"Label2", "Edit2"}, {"Label3", "Edit3"}};
    for (int row = 0; row < 3; ++row) {
        fields->addWidget(named<QLabel>(rows[row][0], this), row, 0);
        fields->addWidget(named<QLineEdit>(rows[row][1], this), row, 1);
    }
    fields->addWidget(named<QCheckBox>("CheckBox1", this), 3, 1);
    fields->setColumnStretch(1, 1);
    column->addLayout(fields);

    auto* buttons = new QHBoxLayout;
    for (const char* name : {"BitBtn2", "BitBtn1"}) {
        auto* button = named<QPushButton>(name, this);
        button->setMinimumWidth(110);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* exit = named<QPushButton>("BitBtn3", this);
    exit->setMinimumWidth(110);
    buttons->addWidget(exit);
    column->addLayout(buttons);
    column->addWidget(named<QProgressBar>("ProgressBar1", this));

    auto* status = named<QStatusBar>("sbar1", this);
    const int widths[] = {70, 110, 80, 10, 0};
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(status);
        panel->setMinimumWidth(widths[i]);
        status->addWidget(panel, i == 4 ? 1 : 0);
    }
    column->addWidget(status);
    resize(460, 260);

    bind(model_.controls());
    for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "Olvass1", "Irs1", "Kilps1", "wavecom1", "Verzi2",
                             "IPcim1", "IPcim2"}) {
        onAction(name, [this, name] { model_.click(name); });
    }
    for (const char* name : {"Edit1", "Edit2", "Edit3"}) {
        onAction(name, [this, name] { model_.controlChanged(name); });
    }
    model_.closeWindow = [this] { close(); };
}

TrackerWindow::~TrackerWindow() { model_.closeWindow = nullptr; }

void TrackerWindow::buildMenus(QMenuBar* bar) {
    for (const MenuLayout& layout : kMenus) {
        QMenu* menu = bar->addMenu(QString());
        menu->menuAction()->setObjectName(layout.menu);
        for (const char* item : layout.items) {
            auto* action = new QAction(menu);
            action->setObjectName(item);
            menu->addAction(action);
        }
    }
}

}  // namespace vardeck::ui
