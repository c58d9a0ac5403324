// Form1 as the GPRS module's screen in the program: vardeck-sim as the module on a
// pseudo-terminal, identified by the search, read and edited through the widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "sim/SimProcess.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/views/Form1View.h"
#include "ui/views/Form8View.h"

namespace vardeck {
namespace {

using namespace std::chrono_literals;
using testing::ProgramRig;
using testing::waitUntil;

template <class W = QWidget>
W* widget(QWidget& view, const char* name) {
    W* w = view.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(GprsModuleWindow, IdentifiedModuleIsReadAndEditedInForm1) {
    sim::SimProcess sim;
    std::string error;
    ASSERT_TRUE(sim.start(VARDECK_SIM_PATH, {"--device", "30", "--pace"}, 10s, error)) << error;
    ProgramRig rig(2.0);
    rig.settings.set("comport", sim.slavePath());
    rig.settings.set("Language", "0");
    ui::VardeckApp& app = rig.start();
    QWidget& form1 = app.form1View();
    auto* panel = widget(form1, "ComboBox2")->parentWidget();
    EXPECT_FALSE(panel->isVisibleTo(&form1));  // only the start caption while searching

    ASSERT_TRUE(waitUntil([&] { return form1.isVisible() && panel->isVisible(); }, 30s));
    auto* read = widget<QPushButton>(form1, "BitBtn2");
    auto* gauge = widget<QProgressBar>(form1, "kijelzo");
    auto* group = widget<QGroupBox>(form1, "ugyfel");
    EXPECT_EQ(group->title(), "4 jegyű Ügyfélkód:");
    EXPECT_EQ(group->toolTip(), "Ha automatikus, akkor az atvitt kód lesz");
    EXPECT_EQ(widget<QLineEdit>(form1, "Edit2")->text(), "FFFFFFFFFFF");
    EXPECT_FALSE(widget(form1, "Edit2")->isEnabled());
    EXPECT_FALSE(widget(form1, "Edit1")->isEnabled());
    EXPECT_FALSE(widget(form1, "CheckBox10")->isEnabled());
    EXPECT_FALSE(gauge->isVisible());
    ASSERT_TRUE(read->isEnabled());

    // The read runs while the window keeps serving events: the gauge moves.
    QTest::mouseClick(read, Qt::LeftButton);
    EXPECT_TRUE(gauge->isVisible());
    EXPECT_EQ(gauge->maximum(), 275);
    EXPECT_TRUE(waitUntil([&] { return gauge->value() > 20; }, 20s));
    EXPECT_FALSE(read->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return !gauge->isVisible(); }, 60s));
    EXPECT_TRUE(read->isEnabled());
    EXPECT_EQ(widget<QComboBox>(form1, "ComboBox1")->currentText(), "10 perces");
    EXPECT_EQ(widget<QComboBox>(form1, "ComboBox2")->currentText(), "DTMF Contact ID");
    EXPECT_TRUE(widget<QCheckBox>(form1, "CheckBox1")->isChecked());

    auto* code = widget<QLineEdit>(form1, "Edit2");
    ASSERT_TRUE(code->isEnabled());
    code->clear();
    QTest::keyClicks(code, "12b0");
    EXPECT_EQ(code->text(), "12BA");
    QTest::mouseClick(widget(form1, "CheckBox1"), Qt::LeftButton);
    EXPECT_FALSE(code->isEnabled());
    EXPECT_FALSE(app.ended());
}

}  // namespace
}  // namespace vardeck
