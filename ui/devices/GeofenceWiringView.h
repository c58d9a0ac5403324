#pragma once
#include <QDialog>
#include <QWidget>

namespace vardeck::ui {

// The geofence unit's connections, drawn: the unit with its GPS and GSM antennas, the
// supply and the alarm output on its terminal strip, and the programming cable.
class GeofenceWiringDrawing : public QWidget {
    Q_OBJECT
public:
    explicit GeofenceWiringDrawing(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {560, 330}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The wiring-diagram view: the drawing and a "Kilépés" button that closes it.
class GeofenceWiringView : public QDialog {
    Q_OBJECT
public:
    explicit GeofenceWiringView(QWidget* parent = nullptr);
};

}  // namespace vardeck::ui
