// The signal-strength chart Z4Form6: the module's signal history as one line, read
// with Button1, zoomed with a rubber band while Button2 has zooming on, cleared with
// Button3. A history has a thousand points and more, so the window appends the points
// that are new instead of drawing the series again.
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/z4/Z4DiagnosticWindows.h"
#include "ui/z4/Z4Widgets.h"

namespace vardeck::ui::z4 {
namespace {

// Signal strengths run from 0 to 31; the axis leaves room above.
constexpr int kStrengthAxisMax = 35;
constexpr int kStrengthTick = 5;

// A tick step of 1, 2 or 5 times a power of ten that gives at most about eight ticks,
// so that every tick falls on a whole number.
int tickStep(int range) {
    int step = 1;
    for (int decade = 1;; decade *= 10) {
        for (int factor : {1, 2, 5}) {
            step = factor * decade;
            if (range / step <= 8) return step;
        }
    }
}

class SignalChartWindow : public DiagnosticWindow {
public:
    explicit SignalChartWindow(z4screen::Z4Configurator& model)
        : DiagnosticWindow("Z4Form6", model.diagnostics().chartView, model, z4screen::MenuView::SignalChart),
          view_(model.diagnostics().chartView) {
        auto* chart = new QChart;
        chart->legend()->hide();
        series_ = new QLineSeries(chart);
        chart->addSeries(series_);
        xAxis_ = new QValueAxis(chart);
        xAxis_->setLabelFormat("%d");
        yAxis_ = new QValueAxis(chart);
        yAxis_->setLabelFormat("%d");
        yAxis_->setRange(0, kStrengthAxisMax);
        yAxis_->setTickType(QValueAxis::TicksDynamic);
        yAxis_->setTickInterval(kStrengthTick);
        xAxis_->setTickType(QValueAxis::TicksDynamic);
        xAxis_->setTickAnchor(0);
        chart->addAxis(xAxis_, Qt::AlignBottom);
        chart->addAxis(yAxis_, Qt::AlignLeft);
        series_->attachAxis(xAxis_);
        series_->attachAxis(yAxis_);
        chartView_ = new QChartView(chart, this);  // takes the chart
        chartView_->setObjectName("Chart1");
        chartView_->setRenderHint(QPainter::Antialiasing);

        auto* buttons = new QHBoxLayout;
        for (const char* name : {"Button1", "Button2", "Button3"}) buttons->addWidget(button(name, this));
        buttons->addStretch();

        auto* column = new QVBoxLayout(this);
        column->addWidget(chartView_, 1);
        column->addLayout(buttons);
        resize(760, 460);
        fitAxes();
        bindButtons({"Button1", "Button2", "Button3"}, nullptr);
    }

    void refresh() override {
        DiagnosticWindow::refresh();
        showPoints();
        const auto band = view_.zoomEnabled() ? QChartView::RectangleRubberBand : QChartView::NoRubberBand;
        if (chartView_->rubberBand() != band) {
            chartView_->setRubberBand(band);
            // Without the rubber band there is no way back from a zoom.
            if (band == QChartView::NoRubberBand) chartView_->chart()->zoomReset();
        }
    }

private:
    void showPoints() {
        const auto& points = view_.points();
        if (generation_ != view_.seriesGeneration() || shown_ > points.size()) {
            // A new series starts with the whole of it in view.
            series_->clear();
            generation_ = view_.seriesGeneration();
            shown_ = 0;
            lastX_ = 0;
            chartView_->chart()->zoomReset();
            fitAxes();
        }
        if (shown_ == points.size()) return;
        QList<QPointF> added;
        added.reserve(static_cast<qsizetype>(points.size() - shown_));
        for (std::size_t i = shown_; i < points.size(); ++i) {
            added.append(QPointF(points[i].first, points[i].second));
            lastX_ = std::max(lastX_, points[i].first);
        }
        series_->append(added);
        shown_ = points.size();
        fitAxes();
    }

    // The whole series in view, unless the user has zoomed in.
    void fitAxes() {
        if (chartView_->chart()->isZoomed()) return;
        const int right = std::max(lastX_, 1);
        xAxis_->setTickInterval(tickStep(right));
        xAxis_->setRange(0, right);
        yAxis_->setRange(0, kStrengthAxisMax);
    }

    z4screen::SignalChartView& view_;
    QChartView* chartView_ = nullptr;
    QLineSeries* series_ = nullptr;
    QValueAxis* xAxis_ = nullptr;
    QValueAxis* yAxis_ = nullptr;
    unsigned generation_ = 0;
    std::size_t shown_ = 0;  // points of the view the series holds
    int lastX_ = 0;
};

}  // namespace

std::unique_ptr<MenuViewWindow> signalChartWindow(z4screen::Z4Configurator& model) {
    return std::make_unique<SignalChartWindow>(model);
}

}  // namespace vardeck::ui::z4
