#include <gtest/gtest.h>

#include "controls/ControlJson.h"
#include "controls/ControlRegistry.h"
#include "controls/ModelTimer.h"
#include "controls/ScreenControls.h"

namespace vardeck::controls {
namespace {

TEST(ScreenControls, TimerCountsAfreshOnlyWhenStartedOrRetimed) {
    TimerList timers;
    ModelTimer& t = timers.add("adas", 3000, true);
    int fired = 0;
    t.onTimer = [&] { ++fired; };
    const unsigned g0 = t.generation();
    t.start();           // already running
    t.setInterval(3000); // unchanged
    EXPECT_EQ(t.generation(), g0);
    t.setInterval(150);
    EXPECT_NE(t.generation(), g0);
    const unsigned g1 = t.generation();
    t.stop();
    t.start();
    EXPECT_EQ(t.generation(), g1 + 2);
    t.fire();
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(timers.find("adas"), &t);
    EXPECT_EQ(timers.find("zido"), nullptr);
}

TEST(ScreenControls, GaugeStaysWithinItsRangeAndColourNumbersAreBlueFirst) {
    Gauge gauge("Gauge2", 100);
    gauge.setProgress(250);
    EXPECT_EQ(gauge.progress(), 100);
    gauge.setProgress(-1);
    EXPECT_EQ(gauge.progress(), 0);
    EXPECT_EQ(Rgb::fromColorNumber(65280), (Rgb{0, 255, 0}));
    EXPECT_EQ(Rgb::fromColorNumber(255), (Rgb{255, 0, 0}));
    EXPECT_EQ(Rgb::fromColorNumber(0xF8CCAE), (Rgb{174, 204, 248}));
}

TEST(ScreenControls, NewKindsExportWhatTheyShowAndTakeNoEdits) {
    ControlRegistry registry;
    auto& lamp = registry.add<Lamp>("hhALed1");
    lamp.setLit(true);
    auto& item = registry.add<MenuItem>("Magyar1", "Magyar", true);
    item.setChecked(true);
    auto& demo = registry.add<MenuItem>("D1", "Start DEMO");
    auto& flag = registry.add<Picture>("Image7", "flags/hungarian");
    auto& window = registry.add<Form>("Form8", "Keresés... TRIX");

    EXPECT_EQ(controlToJson(lamp).find("lit")->asBool(), true);
    EXPECT_EQ(controlToJson(item).find("checked")->asBool(), true);
    EXPECT_EQ(controlToJson(demo).find("checked"), nullptr);
    EXPECT_EQ(controlToJson(flag).find("picture")->asString(), "flags/hungarian");
    EXPECT_EQ(controlToJson(window).find("caption")->asString(), "Keresés... TRIX");
    EXPECT_EQ(kindName(window.kind()), "window");

    // What the export writes can be applied back (it is shown, not edited) ...
    const ControlApply same = applyControlJson(lamp, controlToJson(lamp));
    EXPECT_TRUE(same.ok);
    EXPECT_FALSE(same.changed);
    // ... but a field of another kind is refused.
    JsonValue wrong = JsonValue::object();
    wrong.set("text", "x");
    EXPECT_FALSE(applyControlJson(flag, wrong).ok);
}

TEST(ScreenControls, ComboBoxItemsReplacedAtRunTimeLoseTheSelection) {
    ComboBox list("ComboBox1", {"ttyUSB0"}, 0);
    list.setCaption("USB kereso");
    list.setItems({"ttyUSB1", "ttyACM0"});
    EXPECT_EQ(list.itemIndex(), -1);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.caption(), "USB kereso");
}

}  // namespace
}  // namespace vardeck::controls
