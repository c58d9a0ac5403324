// The wiring picture, installer description, contact and window size views of the
// configurator's menu bar, and the list of all its views.
#include "ui/z4/Z4MenuViewWindows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <set>

#include "ui/ControlBinder.h"
#include "ui/widgets/PictureWidget.h"
#include "ui/z4/WiringDrawing.h"
#include "ui/z4/Z4DiagnosticWindows.h"
#include "ui/z4/Z4Widgets.h"

namespace vardeck::ui::z4 {

using z4screen::MenuView;

namespace {

// A read-only text that may be long: selectable, wrapped, scrolled.
QScrollArea* scrolledText(const char* name, QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setWidgetResizable(true);
    QLabel* text = memo(name, scroll);
    text->setFrameShape(QFrame::NoFrame);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    scroll->setWidget(text);
    return scroll;
}

// The row of a view's closing button, at the right.
QHBoxLayout* closeRow(QWidget* parent, const char* name = "BitBtn1") {
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* close = button(name, parent);
    close->setMinimumWidth(100);
    close->setDefault(true);
    row->addWidget(close);
    return row;
}

class WiringWindow : public MenuViewWindow {
public:
    explicit WiringWindow(z4screen::WiringView& view) : MenuViewWindow("Z4Form4", view.controls()), view_(view) {
        auto* tabs = new QTabWidget(this);
        QWidget* sheet = page("TabSheet4", tabs);
        auto* pictures = new QHBoxLayout(sheet);
        module_ = new WiringDrawing(WiringDrawing::Subject::Module, sheet);
        module_->setObjectName("Image1");
        output_ = new WiringDrawing(WiringDrawing::Subject::SecondOutput, sheet);
        output_->setObjectName("Image2");
        pictures->addWidget(module_, 0, Qt::AlignTop);
        pictures->addWidget(output_, 0, Qt::AlignTop);
        pictures->addStretch();
        tabs->addTab(sheet, QString());
        auto* column = new QVBoxLayout(this);
        column->addWidget(tabs);
        column->addLayout(closeRow(this));
        bind({{"BitBtn1", [this] { close(); }}});
    }

    void refresh() override {
        MenuViewWindow::refresh();
        module_->setModel(z4screen::wiringTerminals(view_.deviceType()), z4screen::hasGpsAntenna(view_.deviceType()));
        output_->setModel(z4screen::wiringTerminals(view_.deviceType()), false);
        adjustSize();  // the picture's width follows the model's connector
    }

private:
    z4screen::WiringView& view_;
    WiringDrawing* module_ = nullptr;
    WiringDrawing* output_ = nullptr;
};

// A text view: the installer description, or the contact view with its picture.
class TextWindow : public MenuViewWindow {
public:
    TextWindow(const char* name, controls::ControlRegistry& registry, bool withPicture)
        : MenuViewWindow(name, registry) {
        auto* column = new QVBoxLayout(this);
        if (withPicture) {
            auto* picture = new PictureWidget(this);
            picture->setObjectName("Image1");
            picture->setAlignment(Qt::AlignCenter);
            column->addWidget(picture);
        }
        column->addWidget(scrolledText("Memo1", this), 1);
        column->addLayout(closeRow(this));
        resize(560, withPicture ? 420 : 480);
        bind({{"BitBtn1", [this] { close(); }}});
    }
};

class WindowSizeWindow : public MenuViewWindow {
public:
    WindowSizeWindow(z4config::WindowSizeView& view, std::function<void()> confirmed)
        : MenuViewWindow("Z4Form7", view.controls()), view_(view) {
        auto* group = new QGroupBox(this);
        group->setObjectName("RadioGroup1");
        auto* items = new QVBoxLayout(group);
        for (int i = 0; i < view.RadioGroup1.count(); ++i) items->addWidget(new QRadioButton(group));
        QLabel* note = label("Label1", this);
        note->setWordWrap(true);
        auto* column = new QVBoxLayout(this);
        column->addWidget(group);
        column->addWidget(note);
        column->addLayout(closeRow(this, "Button1"));
        column->setSizeConstraint(QLayout::SetFixedSize);
        bind({{"Button1", [this, confirmed = std::move(confirmed)] {
                   confirmed();
                   close();
               }}});
    }

    void refresh() override {
        MenuViewWindow::refresh();
        setWindowTitle(QString::fromStdString(view_.caption()));
    }

private:
    z4config::WindowSizeView& view_;
};

}  // namespace

MenuViewWindow::MenuViewWindow(const char* name, controls::ControlRegistry& registry) : registry_(registry) {
    setObjectName(name);
    setWindowModality(Qt::ApplicationModal);
}

MenuViewWindow::~MenuViewWindow() = default;

void MenuViewWindow::bind(std::map<std::string, std::function<void()>> actions) {
    auto run = [this, actions = std::move(actions)](const std::string& name) {
        if (auto it = actions.find(name); it != actions.end()) it->second();
        refresh();
    };
    binder_ = std::make_unique<ControlBinder>(registry_, this, std::move(run));
}

void MenuViewWindow::refresh() {
    if (binder_) binder_->refresh();
    if (afterRefresh) afterRefresh();
}

void MenuViewWindow::placeOver(QWidget* over) {
    if (over) move(over->geometry().center() - rect().center());
}

std::vector<std::string> MenuViewWindow::unboundControls() const {
    return binder_ ? binder_->unboundControls() : std::vector<std::string>{};
}

std::vector<std::string> MenuViewWindow::widgetsWithoutControl() const {
    // The tab bar names its own scroll buttons.
    static const std::set<std::string> qtParts = {"ScrollLeftButton", "ScrollRightButton"};
    std::vector<std::string> names;
    if (!binder_) return names;
    for (const std::string& name : binder_->widgetsWithoutControl()) {
        if (!qtParts.count(name)) names.push_back(name);
    }
    return names;
}

MenuViewWindows::MenuViewWindows(z4screen::Z4Configurator& model) {
    z4screen::MenuViews& views = model.menuViews();
    windows_[MenuView::Wiring] = std::make_unique<WiringWindow>(views.wiring);
    windows_[MenuView::InstallerDescription] =
        std::make_unique<TextWindow>("leiras", views.installer.controls(), false);
    windows_[MenuView::Contact] = std::make_unique<TextWindow>("Z4Form8", views.contact.controls(), true);
    windows_[MenuView::WindowSize] =
        std::make_unique<WindowSizeWindow>(views.windowSize, [&model] { model.windowSizeConfirmed(); });
    windows_[MenuView::Status] = statusWindow(model);
    windows_[MenuView::Monitor] = monitorWindow(model);
    windows_[MenuView::EventLog] = eventLogWindow(model);
    windows_[MenuView::SignalChart] = signalChartWindow(model);
    windows_[MenuView::SmsCentre] = smsCentreWindow(model);
    windows_[MenuView::Balance] = balanceWindow(model);
    windows_[MenuView::Firmware] = firmwareWindow(model);
    for (auto& [view, window] : windows_) {
        window->afterRefresh = [this] {
            if (afterRefresh) afterRefresh();
        };
    }
}

MenuViewWindows::~MenuViewWindows() = default;

MenuViewWindow* MenuViewWindows::window(MenuView view) const { return windows_.at(view).get(); }

void MenuViewWindows::open(MenuView view, QWidget* over) {
    // A view the program has no window for yet is not opened (rather than ending the program).
    if (!windows_.count(view)) return;
    MenuViewWindow* shown = window(view);
    shown->refresh();
    shown->placeOver(over);
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void MenuViewWindows::close(MenuView view) {
    if (!windows_.count(view)) return;
    MenuViewWindow* shown = window(view);
    if (shown->isVisible()) shown->closeByProgram();
}

void MenuViewWindows::refreshShown() {
    for (auto& [view, shown] : windows_) {
        if (shown->isVisible()) shown->refresh();
    }
}

}  // namespace vardeck::ui::z4
