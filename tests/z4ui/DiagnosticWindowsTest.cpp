// The diagnostic views as windows over the configurator: status and monitor against
// vardeck-sim, the log grid and the chart fed through their operations' callbacks.
#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QValueAxis>

#include "tests/z4ui/Z4WindowRig.h"
#include "ui/z4/Z4DiagnosticWindows.h"

namespace vardeck::testing {
namespace {

using z4screen::MenuView;

class DiagnosticWindows : public Z4WindowRig {
protected:
    ui::z4::DiagnosticWindow* view(MenuView which) {
        return dynamic_cast<ui::z4::DiagnosticWindow*>(window_->menuView(which));
    }
    ui::z4::DiagnosticWindow* openFromMenu(const char* menuItem, MenuView which) {
        choose(menuItem);
        ui::z4::DiagnosticWindow* shown = view(which);
        EXPECT_TRUE(shown->isVisible()) << menuItem;
        EXPECT_EQ(shown->windowModality(), Qt::ApplicationModal);
        return shown;
    }
    void closeWith(QWidget* shown, const char* button) {
        shown->findChild<QPushButton*>(button)->click();
        EXPECT_TRUE(waitUntil([&] { return !shown->isVisible(); }));
    }
    static QString text(QWidget* shown, const char* name) {
        if (auto* edit = shown->findChild<QLineEdit*>(name)) return edit->text();
        if (auto* button = shown->findChild<QPushButton*>(name)) return button->text();
        return shown->findChild<QLabel*>(name)->text();
    }
    void startModule() {
        attachSimulator({"--device", "71", "--firmware", "43"});
        open(71);
        // The activation's version query enables the monitor.
        ASSERT_TRUE(waitUntil([&] { return statusPanel(2) == "Sw: 4.3"; }, 30s)) << statusPanel(2).toStdString();
    }
    z4screen::DiagnosticViews& diagnostics() { return window_->model().diagnostics(); }
};

TEST_F(DiagnosticWindows, EveryControlHasItsWidgetAndEveryNamedWidgetItsControl) {
    settings.set("comport", "/nonexistent/z4ui");
    open(71);
    for (MenuView which : {MenuView::Status, MenuView::Monitor, MenuView::EventLog, MenuView::SignalChart,
                           MenuView::SmsCentre, MenuView::Balance, MenuView::Firmware}) {
        ui::z4::MenuViewWindow* shown = window_->menuView(which);
        EXPECT_EQ(shown->unboundControls(), std::vector<std::string>{}) << shown->objectName().toStdString();
        EXPECT_EQ(shown->widgetsWithoutControl(), std::vector<std::string>{}) << shown->objectName().toStdString();
    }
}

TEST_F(DiagnosticWindows, TheStatusWindowShowsThePolledStatusLive) {
    startModule();
    auto* status = openFromMenu("Modulllapotmegjelentse1", MenuView::Status);
    EXPECT_TRUE(status->timerRunning("Timer1"));
    auto* bar = status->findChild<QStatusBar*>("StatusBar1");
    auto linkText = [&] { return bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).at(1)->text(); };
    ASSERT_TRUE(waitUntil(
        [&] { return text(status, "Edit2") == "Saját hálózatra feljelentkezve" && linkText() == "COM OK"; }, 60s))
        << text(status, "Edit2").toStdString() << " / " << linkText().toStdString();
    // The gauge shows the signal in its band's colour, the bar the link's.
    const auto& shown = *diagnostics().statusView.lastStatus();
    auto* gauge = status->findChild<QProgressBar*>("Gauge1");
    EXPECT_EQ(gauge->orientation(), Qt::Vertical);
    EXPECT_EQ(gauge->value(), shown.signal);
    const controls::Rgb band = z4screen::signalBandColor(shown.band);
    EXPECT_EQ(gauge->palette().color(QPalette::Highlight), QColor(band.r, band.g, band.b));
    EXPECT_EQ(bar->palette().color(QPalette::Window), QColor(240, 240, 240));
    EXPECT_FALSE(status->findChild<QLineEdit*>("Edit4")->isVisible());  // no last Contact ID message
    EXPECT_LT(status->height(), z4screen::StatusView::kContactIdHeight);
    saveShot(status, "status-71");

    closeWith(status, "BitBtn3");
    EXPECT_FALSE(diagnostics().polling.running());
    EXPECT_FALSE(status->timerRunning("Timer1"));

    choose("Angol1");
    status = openFromMenu("Modulllapotmegjelentse1", MenuView::Status);
    EXPECT_EQ(status->windowTitle(), "Modul status");
    EXPECT_EQ(text(status, "Label10"), "Power supply:");
    status->close();  // the close box
    EXPECT_TRUE(waitUntil([&] { return !diagnostics().polling.running(); }));
}

TEST_F(DiagnosticWindows, TheContactIdModelsStatusWindowIsTallerForItsLastMessage) {
    attachSimulator({"--device", "100", "--firmware", "43"});
    open(100);
    ASSERT_TRUE(waitUntil([&] { return statusPanel(2) == "Sw: 4.3"; }, 30s)) << statusPanel(2).toStdString();
    auto* status = openFromMenu("Modulllapotmegjelentse1", MenuView::Status);
    EXPECT_EQ(status->height(), z4screen::StatusView::kContactIdHeight);
    EXPECT_TRUE(status->findChild<QLineEdit*>("Edit4")->isVisible());
    ASSERT_TRUE(waitUntil([&] { return !text(status, "Edit5").isEmpty(); }, 60s));
    saveShot(status, "status-100");
    closeWith(status, "BitBtn3");
}

// A window scale in the settings scales the view at its first opening; it keeps the
// ratio and its place from then on.
TEST_F(DiagnosticWindows, TheWindowScaleOfTheSettingsScalesTheStatusWindowOnce) {
    settings.set("comport", "/nonexistent/z4ui");
    settings.set("monitor", "3");  // 4/3
    open(71);
    auto* status = openFromMenu("Modulllapotmegjelentse1", MenuView::Status);
    const QSize first = status->size();
    EXPECT_EQ(first.width(), 430 * 4 / 3);
    EXPECT_EQ(status->pos(), QPoint(5, 5));
    closeWith(status, "BitBtn3");
    status = openFromMenu("Modulllapotmegjelentse1", MenuView::Status);
    EXPECT_EQ(status->size(), first);
    EXPECT_EQ(status->pos(), QPoint(5, 5));
    closeWith(status, "BitBtn3");
}

// The module's text arrives; what the view appends joins it without a reload, so
// nothing shown before is lost (not even the user's selection), a line break split
// between two pieces stays one, and a letter of the code page shows as itself.
TEST_F(DiagnosticWindows, TheMonitorWindowAppendsTheModulesTextInTwoLanguages) {
    startModule();
    auto* monitor = openFromMenu("Hibakeress1", MenuView::Monitor);
    EXPECT_EQ(text(monitor, "Button1"), "Törlés");
    EXPECT_EQ(text(monitor, "BitBtn2"), "Mentés Fileba");
    EXPECT_EQ(text(monitor, "Button2"), "Elküld");
    EXPECT_EQ(text(monitor, "BitBtn1"), "Rendben");
    auto* area = monitor->findChild<QPlainTextEdit*>("RichEdit1");
    ASSERT_TRUE(waitUntil([&] { return area->toPlainText().contains("+CSQ: 18,0"); }, 30s));

    auto modelText = [&] {
        return QString::fromStdString(diagnostics().monitorView.textAsUtf8()).replace("\r\n", "\n");
    };
    monitor->refresh();
    QTextCursor selection(area->document());
    selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    area->setTextCursor(selection);
    const QString selected = area->textCursor().selectedText();
    diagnostics().monitorView.appendModuleBytes("\xE1rv\xEDzt\xFBr\xF5\r");
    monitor->refresh();
    diagnostics().monitorView.appendModuleBytes("\nnext");
    monitor->refresh();
    EXPECT_EQ(area->toPlainText().toStdString(), modelText().toStdString());
    EXPECT_TRUE(area->toPlainText().endsWith(QString::fromUtf8("árvíztűrő\nnext")));
    EXPECT_EQ(area->textCursor().selectedText(), selected);
    saveShot(monitor, "monitor-71");

    monitor->findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(area->toPlainText().toStdString(), modelText().toStdString());
    closeWith(monitor, "BitBtn1");

    choose("Angol1");
    monitor = openFromMenu("Hibakeress1", MenuView::Monitor);
    EXPECT_EQ(text(monitor, "Button1"), "Delete");
    EXPECT_EQ(text(monitor, "BitBtn2"), "Save to file");
    EXPECT_EQ(text(monitor, "Button2"), "Send");
    EXPECT_EQ(text(monitor, "BitBtn1"), "OK");
    EXPECT_EQ(text(monitor, "Label1"), "After monitoring please restart GSM module!!!");
    closeWith(monitor, "BitBtn1");
}

TEST_F(DiagnosticWindows, TheChartShowsThePointsAsTheyArrive) {
    settings.set("comport", "/nonexistent/z4ui");
    open(71);
    auto* chart = openFromMenu("rer1", MenuView::SignalChart);
    auto* chartView = chart->findChild<QChartView*>("Chart1");
    auto* series = qobject_cast<QLineSeries*>(chartView->chart()->series().at(0));
    auto* xAxis = qobject_cast<QValueAxis*>(chartView->chart()->axes(Qt::Horizontal).at(0));

    auto& history = diagnostics().history;
    history.onPoint(1, 20);
    history.onPoint(2, 24);
    chart->refresh();
    history.onPoint(3, 17);
    chart->refresh();
    ASSERT_EQ(series->count(), 3);
    EXPECT_EQ(series->at(1), QPointF(2, 24));
    EXPECT_EQ(series->at(2), QPointF(3, 17));
    EXPECT_EQ(xAxis->max(), 3);
    saveShot(chart, "chart");

    EXPECT_EQ(chartView->rubberBand(), QChartView::RectangleRubberBand);
    chart->findChild<QPushButton*>("Button2")->click();
    EXPECT_EQ(chartView->rubberBand(), QChartView::NoRubberBand);
    chart->findChild<QPushButton*>("Button3")->click();
    EXPECT_EQ(series->count(), 0);
    chart->close();
    EXPECT_TRUE(waitUntil([&] { return !chart->isVisible(); }));
}

TEST_F(DiagnosticWindows, TheLogGridGrowsAsRecordsArrive) {
    settings.set("comport", "/nonexistent/z4ui");
    open(71);
    auto* log = openFromMenu("Naplokiolvassa1", MenuView::EventLog);
    auto* grid = log->findChild<QTableWidget*>("StringGrid1");
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "JELZÉS");
    for (int index : {1, 2}) {
        EventLogEntry entry;
        entry.index = index;
        entry.sourceText = "Be" + std::to_string(index);
        entry.time = "12:0" + std::to_string(index);
        diagnostics().eventLog.onRecord(entry);
        log->refresh();
    }
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(1, 1)->text(), "Be2");
    EXPECT_EQ(grid->item(1, 2)->text(), "12:02");
    EXPECT_EQ(text(log, "Label1"), "2 / 9");
    saveShot(log, "event-log");
    log->close();
    EXPECT_TRUE(waitUntil([&] { return !log->isVisible(); }));
}

}  // namespace
}  // namespace vardeck::testing
