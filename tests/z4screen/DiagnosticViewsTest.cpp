// The configurator's diagnostic views against the simulated module: the status view
// live and after the link is lost, the monitor's text, stamps and error report.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "sim/Z4StatusMemory.h"
#include "tests/z4screen/ReportReceiver.h"
#include "tests/z4screen/ScreenRig.h"
#include "z4screen/StatusView.h"

namespace vardeck::testing {
namespace {

using z4screen::MenuView;

// The configurator after the hand-over, with the version query answered.
struct DiagnosticsRig : ScreenRig {
    explicit DiagnosticsRig(int type = 71, int firmware = 43, ReportClient* client = nullptr)
        : ScreenRig(type, firmware, 1, {}, client) {
        handOverAndActivate();
        EXPECT_TRUE(runUntilIdle());
    }
    uint8_t& status(std::size_t offset) { return model.statusMemory()[sim::kZ4StatusBlockAddress + offset]; }
    z4screen::StatusView& statusView() { return screen.diagnostics().statusView; }
    z4screen::MonitorView& monitorView() { return screen.diagnostics().monitorView; }
    void tickUntilCycles(int cycles) {
        for (int i = 0; i < 2000 && statusView().connections() < cycles; ++i) tick();
        ASSERT_GE(statusView().connections(), cycles);
    }
    // Ticks (the report goes out on a thread of its own) until it has an outcome.
    void waitForReport() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (monitorView().reportPending() && std::chrono::steady_clock::now() < deadline) screen.tick();
        ASSERT_FALSE(monitorView().reportPending());
    }
};

TEST(StatusView, ShowsThePolledStatusLiveAndComErrorWhenCyclesStop) {
    DiagnosticsRig rig;
    rig.status(3) = 21;                      // signal
    rig.status(4) = 0x80 | 0x04;             // memory good, output 1
    rig.status(9) = 0x85;                    // -5 degrees
    rig.screen.menuClicked("Modulllapotmegjelentse1");
    rig.tickUntilCycles(1);
    z4screen::StatusView& v = rig.statusView();
    EXPECT_EQ(v.Edit2.text(), "Saját hálózatra feljelentkezve");
    EXPECT_EQ(v.Edit1.text(), "Nincs hiba");
    EXPECT_EQ(v.Gauge1.progress(), 21);
    EXPECT_EQ(v.Gauge1.color(), z4screen::signalBandColor(SignalBand::BrightGreen));
    EXPECT_EQ(v.Panel7.color(), controls::kRed);
    EXPECT_EQ(v.Panel1.color(), controls::kGreen);
    EXPECT_EQ(v.Edit3.text(), "-5");
    EXPECT_EQ(v.StatusBar1.panel(0), "GSM Time: 12:30");
    EXPECT_EQ(v.Label5.caption(), "Connect: 1");
    EXPECT_EQ(rig.control<controls::Panel>("Panel32").color(), controls::kGreen);
    // Polling goes on: a change in the module shows in a later cycle.
    rig.status(3) = 4;
    rig.tickUntilCycles(3);
    EXPECT_EQ(v.Gauge1.color(), controls::kRed);

    v.Timer1.fire();
    EXPECT_EQ(v.StatusBar1.panel(1), "COM OK");
    // No more cycles (cable pulled): about three seconds later "COM ERROR", last values kept.
    for (int s = 0; s < 3; ++s) v.Timer1.fire();
    EXPECT_EQ(v.StatusBar1.panel(1), "COM ERROR");
    EXPECT_EQ(v.StatusBar1.color(), controls::kRed);
    EXPECT_EQ(v.Gauge1.progress(), 4);

    rig.screen.viewClosed(MenuView::Status);
    EXPECT_EQ(rig.screen.engine().vars().state, 0);
    EXPECT_EQ(rig.screen.engine().link().readSelector(), 0);
    EXPECT_FALSE(v.Timer1.enabled());
}

TEST(StatusView, ContactIdModelShowsItsLastMessageFromTheFirstCycle) {
    DiagnosticsRig rig(100, 30);
    rig.screen.menuClicked("Modulllapotmegjelentse1");
    rig.tickUntilCycles(1);
    z4screen::StatusView& v = rig.statusView();
    EXPECT_TRUE(v.Edit4.visible());
    EXPECT_EQ(v.Edit7.text(), "E130");
    EXPECT_EQ(v.Z4Form2.placement().height, z4screen::StatusView::kContactIdHeight);
    // Neutral panels and no GSM time on this model.
    EXPECT_EQ(v.Panel1.color(), controls::kButtonFace);
    EXPECT_EQ(v.StatusBar1.panel(0), "");
}

TEST(StatusView, TextsFollowTheLanguageAndBrandFiftyHidesTheSecondOutput) {
    DiagnosticsRig rig;
    rig.screen.menuClicked("Angol1");
    rig.screen.menuClicked("Modulllapotmegjelentse1");
    EXPECT_EQ(rig.statusView().Z4Form2.caption(), "Modul status");
    EXPECT_EQ(rig.statusView().Label10.caption(), "Power supply:");
    rig.tickUntilCycles(1);
    EXPECT_EQ(rig.statusView().Edit2.text(), "Registered on home network");
    rig.screen.viewClosed(MenuView::Status);
    rig.screen.menuClicked("Magyar1");
    rig.screen.menuClicked("Modulllapotmegjelentse1");
    EXPECT_EQ(rig.statusView().Label1.caption(), "Be1:");

    ScreenRig brand50(70, 43, 50);
    brand50.handOverAndActivate();
    brand50.screen.menuClicked("Modulllapotmegjelentse1");
    for (const char* hidden : {"Edit3", "Label11", "Panel8", "Label13"})
        EXPECT_FALSE(brand50.screen.diagnostics().statusView.controls().find(hidden)->visible()) << hidden;
}

TEST(MonitorView, StampsEveryTenMinutesAndKeepsItsTextBounded) {
    DiagnosticsRig rig;
    rig.screen.menuClicked("Hibakeress1");
    z4screen::MonitorView& m = rig.monitorView();
    EXPECT_EQ(m.Timer1.interval(), 1000);
    m.appendModuleBytes("+CSQ: 21");
    m.Timer1.fire();
    EXPECT_EQ(m.Timer1.interval(), 600000);
    EXPECT_EQ(m.text(), "+CSQ: 21\r\n##########2024-05-17 13:45:09\r\n");

    const unsigned generation = m.textGeneration();
    const std::string line(1000, 'x');
    for (int i = 0; i < 1200; ++i) m.appendModuleBytes(line + "\r\n");
    EXPECT_LE(m.text().size(), z4screen::MonitorView::kTextCap);
    EXPECT_NE(m.textGeneration(), generation);
    EXPECT_EQ(m.text().substr(m.text().size() - 2), "\r\n");

    m.clearText();
    EXPECT_TRUE(m.text().empty());
}

TEST(MonitorView, ClosingLeavesMonitorModeAndSavesTheTextWhole) {
    DiagnosticsRig rig;
    rig.screen.menuClicked("Hibakeress1");
    EXPECT_EQ(rig.screen.engine().vars().state, z4state::kMonitorOn);
    rig.monitorView().appendModuleBytes("GSM \xE9l\r\n");
    const std::filesystem::path file = std::filesystem::temp_directory_path() / ("vardeck-monitor-test-" + std::to_string(::getpid()) + ".TXT");
    rig.dialogs.file = file.string();
    rig.screen.diagnosticClicked(MenuView::Monitor, "BitBtn2");
    std::ifstream in(file, std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(saved, "GSM él\r\n\n");
    std::filesystem::remove(file);

    rig.screen.viewClosed(MenuView::Monitor);
    EXPECT_EQ(rig.screen.engine().vars().state, z4state::kLeaveMode);
}

TEST(MonitorView, ErrorReportReachesTheServerByteForByte) {
    DiagnosticsRig rig;
    ReportReceiver server;
    rig.setSetting("reportserver", "127.0.0.1:" + std::to_string(server.port()));
    rig.screen.menuClicked("Hibakeress1");
    rig.monitorView().appendModuleBytes("AT+CREG?\r\n+CREG: 0,1\r\n");
    rig.dialogs.prompts = {std::string("356938035643809"), std::string("nem hív")};
    rig.screen.diagnosticClicked(MenuView::Monitor, "Button2");
    EXPECT_EQ(rig.dialogs.promptCaptions, (std::vector<std::string>{"Filenév", "Hiba leírása"}));
    rig.waitForReport();
    EXPECT_EQ(rig.dialogs.messages.back(), "OK");
    EXPECT_EQ(server.received(), "QMX_START356938035643809 Szoftver verzi\xF3:43\nnem h\xEDv\n"
                                 "AT+CREG?\r\n+CREG: 0,1\r\nQMX_STOP");
}

TEST(MonitorView, AFailedReportSaysSoAndNeverHoldsUpTheScreen) {
    // A wrong IMEI: nothing is sent.
    DiagnosticsRig rig;
    rig.screen.menuClicked("Hibakeress1");
    rig.dialogs.prompts = {std::string("35693803564380")};
    rig.screen.diagnosticClicked(MenuView::Monitor, "Button2");
    EXPECT_EQ(rig.dialogs.messages.back(), "Nem megfelelő IMEI szám!");
    EXPECT_FALSE(rig.monitorView().reportPending());

    // Refused: nobody listens on the port any more.
    int closedPort = 0;
    { ReportReceiver gone(true); closedPort = gone.port(); }
    rig.setSetting("reportserver", "127.0.0.1:" + std::to_string(closedPort));
    rig.dialogs.prompts = {std::string("356938035643809"), std::string("x")};
    rig.screen.diagnosticClicked(MenuView::Monitor, "Button2");
    rig.waitForReport();
    EXPECT_EQ(rig.dialogs.messages.back(), "Sikertelen küldés");

    // A host that never answers: the screen goes on ticking while the report waits.
    z4screen::TcpReportClient quick(std::chrono::milliseconds(300));
    DiagnosticsRig slow(71, 43, &quick);
    ReportReceiver jammed(true);
    slow.setSetting("reportserver", "127.0.0.1:" + std::to_string(jammed.port()));
    slow.screen.menuClicked("Hibakeress1");
    slow.dialogs.prompts = {std::string("356938035643809"), std::string("x")};
    slow.screen.diagnosticClicked(MenuView::Monitor, "Button2");
    EXPECT_TRUE(slow.monitorView().reportPending());
    EXPECT_FALSE(slow.monitorView().Button2.enabled());
    slow.tick();
    slow.waitForReport();
    EXPECT_EQ(slow.dialogs.messages.back(), "Sikertelen küldés");
    EXPECT_TRUE(slow.monitorView().Button2.enabled());
}

}  // namespace
}  // namespace vardeck::testing
