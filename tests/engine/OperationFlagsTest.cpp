// One operation's flags never leak into the next: an abandoned "PSTN send", a clock
// setting from the menu, an operation replacing a running read.
#include <gtest/gtest.h>

#include "tests/engine/EngineRig.h"

namespace vardeck::testing {
namespace {

TEST(OperationFlags, AnAbandonedPstnSendDoesNotCutTheNextWriteShort) {
    EngineRig rig(100, 30);
    rig.engine.lineSimulatorWrite();
    rig.engine.writeAll();  // before the first byte went out
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_EQ(rig.framesWithCommand(0x80).size(), 224u);  // the Contact ID blocks 32..255
    EXPECT_EQ(rig.status(), "Adatküldés sikeres!");
}

TEST(OperationFlags, PstnSendReplacingAMenuClockEndsAsAWriteWithItsButtonsBack) {
    EngineRig rig(71, 32);
    rig.engine.setClock();
    rig.engine.lineSimulatorWrite();  // before the clock frame went out
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_EQ(rig.status(), "Adatküldés sikeres!");
    EXPECT_TRUE(rig.listener.buttonsEnabled);
}

TEST(OperationFlags, AnOperationReplacingAReadLeavesTheButtonsEnabled) {
    EngineRig rig(71, 43);
    rig.engine.readAll();
    rig.tick();
    ASSERT_FALSE(rig.listener.buttonsEnabled);
    rig.engine.lifeSignalTest();
    ASSERT_TRUE(rig.runUntilIdle());
    EXPECT_TRUE(rig.listener.buttonsEnabled);
    EXPECT_FALSE(rig.listener.gauge.visible);
}

}  // namespace
}  // namespace vardeck::testing
