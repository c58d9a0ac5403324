#include "ui/devices/GeofenceWiringView.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vardeck::ui {
namespace {

const QColor kSupplyColor(200, 30, 30);
const QColor kWireColor(40, 40, 40);
const QColor kUnitFill(225, 232, 245);
const QColor kDeviceFill(245, 245, 235);

constexpr int kUnitLeft = 180;
constexpr int kUnitTop = 100;
constexpr int kUnitWidth = 220;
constexpr int kUnitHeight = 100;
constexpr int kUnitBottom = kUnitTop + kUnitHeight;
constexpr int kDeviceTop = 262;
constexpr int kDeviceHeight = 50;

void box(QPainter& p, const QRect& r, const QColor& fill, const QString& text) {
    p.setBrush(fill);
    p.drawRect(r);
    p.setBrush(Qt::NoBrush);
    p.drawText(r.adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void antenna(QPainter& p, int x, const QString& name) {
    constexpr int kTop = 34;
    p.drawLine(x, kUnitTop, x, kTop + 14);
    p.drawLine(x, kTop + 14, x - 10, kTop);
    p.drawLine(x, kTop + 14, x + 10, kTop);
    p.drawText(QPoint(x + 14, kTop + 14), name);
}

// A screw terminal on the unit's lower edge, named inside the unit.
void terminal(QPainter& p, int x, const QString& name) {
    p.drawEllipse(QPoint(x, kUnitBottom), 4, 4);
    p.drawText(QRect(x - 30, kUnitBottom - 24, 60, 18), Qt::AlignCenter, name);
}

// A wire from a terminal straight down, then across to a device's top edge.
void wire(QPainter& p, const QColor& color, int fromX, int toX, int bendY) {
    p.setPen(QPen(color, 2));
    p.drawLine(fromX, kUnitBottom + 4, fromX, bendY);
    p.drawLine(fromX, bendY, toX, bendY);
    p.drawLine(toX, bendY, toX, kDeviceTop);
    p.setPen(QPen(kWireColor, 1));
}

}  // namespace

GeofenceWiringDrawing::GeofenceWiringDrawing(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void GeofenceWiringDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kWireColor, 1));

    const QRect unit(kUnitLeft, kUnitTop, kUnitWidth, kUnitHeight);
    box(p, unit.adjusted(0, 0, 0, -30), kUnitFill, "Z_GPS_MARLOW\nGPS helyzetfigyelő egység");
    p.drawRect(unit);
    antenna(p, kUnitLeft + 50, "GPS antenna");
    antenna(p, kUnitLeft + 160, "GSM antenna");

    const int plus = kUnitLeft + 40;
    const int ground = kUnitLeft + 110;
    const int output = kUnitLeft + 180;
    terminal(p, plus, "+12V");
    terminal(p, ground, "GND");
    terminal(p, output, "KI");

    const QRect supply(40, kDeviceTop, 190, kDeviceHeight);
    const QRect alarm(330, kDeviceTop, 200, kDeviceHeight);
    box(p, supply, kDeviceFill, "Tápegység 12 V DC");
    box(p, alarm, kDeviceFill, "Riasztóközpont zóna bemenet");
    wire(p, kSupplyColor, plus, supply.left() + 50, kUnitBottom + 24);
    wire(p, kWireColor, ground, supply.right() - 50, kUnitBottom + 40);
    // The alarm input shares the supply's ground.
    wire(p, kWireColor, ground, alarm.left() + 50, kUnitBottom + 40);
    wire(p, kWireColor, output, alarm.right() - 50, kUnitBottom + 24);
    p.drawText(QPoint(alarm.right() - 44, kUnitBottom + 20), "riasztás: GND-re zár");

    // The programming cable to the PC on the unit's left side.
    const QRect pc(10, kUnitTop + 10, 130, 46);
    box(p, pc, kDeviceFill, "PC soros port (programozás)");
    p.setPen(QPen(kWireColor, 2, Qt::DashLine));
    p.drawLine(pc.right(), pc.center().y(), kUnitLeft, pc.center().y());
}

GeofenceWiringView::GeofenceWiringView(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Bekötési rajz");
    setModal(true);
    auto* close = new QPushButton("Kilépés", this);
    close->setMinimumWidth(110);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new GeofenceWiringDrawing(this));
    layout->addLayout(buttons);
}

}  // namespace vardeck::ui
