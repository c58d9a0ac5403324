#pragma once
#include <QWidget>

#include <vector>

#include "z4screen/MenuViews.h"

namespace vardeck::ui::z4 {

// A wiring picture of the wiring view, drawn from the model's connector: either the
// module with everything wired to its terminals, or the relay on the second output.
class WiringDrawing : public QWidget {
    Q_OBJECT
public:
    enum class Subject { Module, SecondOutput };

    WiringDrawing(Subject subject, QWidget* parent = nullptr);
    // The connector of the model shown; a GPS model gets its second antenna.
    void setModel(std::vector<z4screen::WiringTerminal> terminals, bool gpsAntenna);
    const std::vector<z4screen::WiringTerminal>& terminals() const { return terminals_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawModule(class QPainter& p) const;
    void drawSecondOutput(class QPainter& p) const;

    Subject subject_;
    std::vector<z4screen::WiringTerminal> terminals_;
    bool gpsAntenna_ = false;
};

}  // namespace vardeck::ui::z4
