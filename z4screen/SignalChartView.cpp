#include "z4screen/SignalChartView.h"

namespace vardeck::z4screen {

SignalChartView::SignalChartView(SignalHistoryStates& states) : states_(states) {
    states_.onPoint = [this](int x, int strength) { points_.emplace_back(x, strength); };
    states_.onDone = [this] { Button1.setEnabled(true); };
}

void SignalChartView::open() { Button1.setEnabled(!states_.running()); }

void SignalChartView::close() {
    if (states_.running()) states_.stop();
    Button1.setEnabled(true);
}

void SignalChartView::clearSeries() {
    points_.clear();
    ++generation_;
}

void SignalChartView::readClicked() {
    if (states_.running()) return;
    clearSeries();
    Button1.setEnabled(false);
    states_.start();
}

void SignalChartView::zoomClicked() { zoom_ = !zoom_; }

void SignalChartView::clearClicked() { clearSeries(); }

}  // namespace vardeck::z4screen
