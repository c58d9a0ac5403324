// Every control of the start-up, search and port screens has its widget, showing its
// caption, and every named widget has its control; the layouts leave room for the texts.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>

#include "tests/ui/UiTestSupport.h"
#include "ui/views/ComprtView.h"
#include "ui/views/Form10View.h"
#include "ui/views/Form1View.h"
#include "ui/views/Form8View.h"
#include "ui/widgets/ModelPanel.h"
#include "ui/widgets/PictureWidget.h"
#include "ui/widgets/StatusPanel.h"
#include "controls/Controls.h"

namespace vardeck {
namespace {

using namespace std::chrono_literals;
using testing::ProgramRig;
using testing::waitUntil;

// The caption a widget shows, whatever kind it is; nothing for widgets without one.
std::optional<QString> shownCaption(QObject* object) {
    if (auto* panel = qobject_cast<ui::ModelPanel*>(object)) return panel->caption();
    if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(object)) return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(object)) return group->title();
    if (auto* combo = qobject_cast<QComboBox*>(object)) return combo->placeholderText();
    if (auto* action = qobject_cast<QAction*>(object)) return action->text();
    if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow()) return widget->windowTitle();
    return std::nullopt;
}

void expectBoundBothWays(ui::ViewWindow& view, controls::ControlRegistry& registry) {
    const std::string name = view.objectName().toStdString();
    EXPECT_EQ(view.binder().unboundControls(), std::vector<std::string>{}) << name;
    EXPECT_EQ(view.binder().widgetsWithoutControl(), std::vector<std::string>{}) << name;
    for (controls::Control* control : registry.all()) {
        QObject* object = view.binder().objectFor(control->name());
        ASSERT_NE(object, nullptr) << control->name();
        if (control->caption().empty()) continue;
        const std::optional<QString> caption = shownCaption(object);
        ASSERT_TRUE(caption.has_value()) << control->name() << " shows no caption";
        EXPECT_EQ(caption->toStdString(), control->caption()) << control->name();
    }
}

TEST(ViewControls, EveryControlHasItsWidgetAndEveryWidgetItsControl) {
    ProgramRig rig;
    ui::VardeckApp& app = rig.make();
    SearchScreens& s = app.screens();
    expectBoundBothWays(app.form1View(), s.form1.controls());
    expectBoundBothWays(app.form8View(), s.form8.controls());
    expectBoundBothWays(app.form10View(), s.form10.controls());
    expectBoundBothWays(app.comprtView(), s.comprt.controls());
}

TEST(ViewControls, TheTextsOfTheViews) {
    ProgramRig rig;
    ui::VardeckApp& app = rig.make();
    auto text = [](QWidget& view, const char* name) {
        QObject* object = view.findChild<QObject*>(name);
        return object ? shownCaption(object).value_or("<none>").toStdString() : "<missing>";
    };
    ui::Form8View& f8 = app.form8View();
    EXPECT_EQ(text(f8, "Panel1"), "GSM - 1");
    EXPECT_EQ(text(f8, "Panel2"), "ZeLKOR - 4");
    EXPECT_EQ(text(f8, "Panel3"), "T-RIX");
    EXPECT_EQ(text(f8, "Panel4"), "ZeLKOR - GPRS");
    EXPECT_EQ(text(f8, "Panel5"), "GPRS/CID Konv.");
    EXPECT_EQ(text(f8, "Panel6"), "ZeLKOR -GPS");
    EXPECT_EQ(text(f8, "Panel7"), "GSM - CID");
    EXPECT_EQ(text(f8, "D1"), "Start DEMO");
    EXPECT_EQ(text(f8, "Button2"), "Demo");
    EXPECT_EQ(text(f8, "BitBtn2"), "COM port");
    EXPECT_EQ(text(f8, "BitBtn3"), "COM port");
    auto* status = f8.findChild<QStatusBar*>("StatusBar1");
    EXPECT_EQ(status->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);  // the port
    EXPECT_EQ(status->findChildren<ui::StatusPanel*>(QString(), Qt::FindDirectChildrenOnly).size(), 4);  // the counters
    for (const char* flag : {"Image7", "Image8", "Image9", "Image11"}) {
        EXPECT_FALSE(f8.findChild<ui::PictureWidget*>(flag)->pixmap().isNull()) << flag;
    }

    ui::ComprtView& port = app.comprtView();
    EXPECT_EQ(text(port, "RadioGroup1"), "COM port");
    QStringList items;
    for (auto* radio : port.findChild<QGroupBox*>("RadioGroup1")->findChildren<QRadioButton*>()) items << radio->text();
    EXPECT_EQ(items, (QStringList{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "Egyéb:"}));
    EXPECT_EQ(text(port, "ComboBox1"), "USB kereso");
    EXPECT_EQ(text(port, "BitBtn1"), "Rendben (kilép)");
    EXPECT_EQ(text(port, "BitBtn2"), "COM port auto detect");
    EXPECT_EQ(text(port, "BitBtn3"), "Mégse");
    auto* spin = port.findChild<QSpinBox*>("SpinEdit1");
    EXPECT_EQ(spin->minimum(), 1);
    EXPECT_EQ(spin->maximum(), 512);
    EXPECT_FALSE(port.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    EXPECT_EQ(app.form1View().windowTitle(), "Start....");
    EXPECT_EQ(text(app.form1View(), "Label3"), "Zelkor nem található");
    EXPECT_EQ(text(app.form1View(), "BitBtn1"), "Elküldés");
    EXPECT_EQ(text(app.form1View(), "BitBtn2"), "Olvasás");
    EXPECT_FALSE(app.form1View().findChild<QWidget*>("BitBtn1")->isEnabled());
    EXPECT_FALSE(app.form1View().findChild<QWidget*>("BitBtn2")->isEnabled());
}

// A text wider than its widget would be cut off.
void expectNothingClipped(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLabel*>(w) && !qobject_cast<QComboBox*>(w)) continue;
        EXPECT_GE(w->width(), w->minimumSizeHint().width())
            << window.objectName().toStdString() << "/" << w->objectName().toStdString();
    }
}

TEST(ViewControls, LayoutsLeaveRoomForEveryTextInEveryLanguage) {
    ProgramRig rig(5.0);
    rig.settings.set("comport", "/nonexistent/port");
    rig.settings.set("Language", "2");  // the longest port button text: "Ok (Beenden)"
    ui::VardeckApp& app = rig.start();
    ASSERT_TRUE(waitUntil([&] { return app.form8View().isVisible(); }, 5s));
    app.showPortView();
    QCoreApplication::processEvents();
    expectNothingClipped(app.form8View());
    expectNothingClipped(app.comprtView());
    // The port view is fixed to the size its contents need.
    EXPECT_EQ(app.comprtView().minimumSize(), app.comprtView().maximumSize());

    // Pictures of the views, for looking at them: VARDECK_SCREENSHOTS names a folder.
    const QString folder = qEnvironmentVariable("VARDECK_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        app.form8View().grab().save(folder + "/Form8.png");
        app.comprtView().grab().save(folder + "/comprt.png");
        app.form1View().grab().save(folder + "/Form1.png");
        app.form10View().grab().save(folder + "/Form10.png");
    }
}

}  // namespace
}  // namespace vardeck
