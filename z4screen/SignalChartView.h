#pragma once
#include <utility>
#include <vector>

#include "controls/ControlOwner.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "z4link/SignalHistoryStates.h"

namespace vardeck::z4screen {

// The chart Chart1 with its one line series. The points are many, so the view reads
// them from the model (SignalChartView::points) rather than through the binder: it
// reports itself as a label, whose visibility is all the binder keeps.
class SignalChart : public controls::Control {
public:
    explicit SignalChart(std::string name) : Control(controls::ControlKind::Label, std::move(name)) {}
};

// The signal-strength chart Z4Form6: the module's signal history, newest first, as a
// line of (x, strength) points.
class SignalChartView : public controls::ControlOwner {
public:
    using Point = std::pair<int, int>;

    explicit SignalChartView(SignalHistoryStates& states);

    void open();
    void close();
    void readClicked();   // Button1: clears the series and reads the history
    void zoomClicked();   // Button2: zooming on or off
    void clearClicked();  // Button3: clears the series only
    bool reading() const { return states_.running(); }
    bool zoomEnabled() const { return zoom_; }

    const std::vector<Point>& points() const { return points_; }
    // Changes when the series was cleared (the view then starts its series afresh).
    unsigned seriesGeneration() const { return generation_; }

    controls::Form& Z4Form6 = registry_.add<controls::Form>("Z4Form6", "Térerő");
    SignalChart& Chart1 = registry_.add<SignalChart>("Chart1");
    controls::Button& Button1 = registry_.add<controls::Button>("Button1", "Olvasás");
    controls::Button& Button2 = registry_.add<controls::Button>("Button2", "Nagyítás be/ki");
    controls::Button& Button3 = registry_.add<controls::Button>("Button3", "Törlés");

private:
    void clearSeries();

    SignalHistoryStates& states_;
    std::vector<Point> points_;
    unsigned generation_ = 0;
    bool zoom_ = true;
};

}  // namespace vardeck::z4screen
