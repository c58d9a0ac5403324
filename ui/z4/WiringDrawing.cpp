#include "ui/z4/WiringDrawing.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace vardeck::ui::z4 {
namespace {

using Kind = z4screen::WiringTerminal::Kind;

constexpr int kMargin = 20;
constexpr int kPitch = 68;          // distance of two terminals
constexpr int kModuleTop = 46;      // room for the antennas above
constexpr int kModuleHeight = 70;
constexpr int kDeviceTop = 150;     // where the wired devices begin
constexpr int kBusY = 250;          // the common ground of contacts
constexpr int kDrawingHeight = 290;
const QColor kSupplyColor(200, 30, 30);
const QColor kWireColor(40, 40, 40);
const QColor kModuleFill(225, 232, 245);

void antenna(QPainter& p, int x, int top, const QString& name) {
    p.drawLine(x, kModuleTop, x, top + 12);
    p.drawLine(x, top + 12, x - 9, top);
    p.drawLine(x, top + 12, x + 9, top);
    p.drawText(QPoint(x + 12, top + 12), name);
}

// A contact that closes between two dots; the lower dot goes on to the ground bus.
void contact(QPainter& p, int x, int top) {
    p.drawLine(x, top - 10, x, top);
    p.drawEllipse(QPoint(x, top), 3, 3);
    p.drawLine(x, top + 32, x + 13, top + 4);
    p.drawEllipse(QPoint(x, top + 34), 3, 3);
    p.drawLine(x, top + 37, x, kBusY);
}

void box(QPainter& p, const QRect& r, const QString& text) {
    p.drawRect(r);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void caption(QPainter& p, int x, int y, const QString& text) {
    p.drawText(QRect(x - kPitch / 2, y, kPitch, 20), Qt::AlignHCenter | Qt::AlignTop, text);
}

}  // namespace

WiringDrawing::WiringDrawing(Subject subject, QWidget* parent) : QWidget(parent), subject_(subject) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void WiringDrawing::setModel(std::vector<z4screen::WiringTerminal> terminals, bool gpsAntenna) {
    terminals_ = std::move(terminals);
    gpsAntenna_ = gpsAntenna;
    updateGeometry();
    update();
}

QSize WiringDrawing::sizeHint() const {
    if (subject_ == Subject::SecondOutput) return {340, 220};
    const int terminals = std::max<int>(static_cast<int>(terminals_.size()), 4);
    return {2 * kMargin + terminals * kPitch, kDrawingHeight};
}

void WiringDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    p.setFont(small);
    p.setPen(QPen(kWireColor, 1.5));
    if (subject_ == Subject::Module) drawModule(p);
    else drawSecondOutput(p);
}

void WiringDrawing::drawModule(QPainter& p) const {
    const int count = static_cast<int>(terminals_.size());
    if (count == 0) return;
    const int width = count * kPitch;
    const QRect module(kMargin, kModuleTop, width, kModuleHeight);
    p.setBrush(kModuleFill);
    p.drawRoundedRect(module, 6, 6);
    p.setBrush(Qt::NoBrush);
    antenna(p, module.right() - 30, 8, "GSM");
    if (gpsAntenna_) antenna(p, module.right() - 100, 8, "GPS");

    auto xOf = [&](int i) { return kMargin + kPitch / 2 + i * kPitch; };
    int groundX = -1, supplyX = -1, lastContactX = -1;
    std::vector<int> lineXs;
    for (int i = 0; i < count; ++i) {
        const z4screen::WiringTerminal& t = terminals_[i];
        const int x = xOf(i);
        const int pin = module.bottom();
        caption(p, x, pin - 24, QString::fromStdString(t.name));
        p.setPen(QPen(t.kind == Kind::Supply ? kSupplyColor : kWireColor, 1.5));
        p.drawEllipse(QPoint(x, pin), 4, 4);
        switch (t.kind) {
            case Kind::Supply:
                supplyX = x;
                p.drawLine(x, pin + 4, x, kDeviceTop + 30);
                break;
            case Kind::Ground:
                groundX = x;
                p.drawLine(x, pin + 4, x, kDeviceTop + 30);
                break;
            case Kind::Input:
            case Kind::Tamper:
                p.drawLine(x, pin + 4, x, kDeviceTop);
                contact(p, x, kDeviceTop + 10);
                caption(p, x, kBusY + 6, t.kind == Kind::Tamper ? "szabotázs" : "érzékelő");
                lastContactX = x;
                break;
            case Kind::Output:
                p.drawLine(x, pin + 4, x, kDeviceTop);
                box(p, QRect(x - 28, kDeviceTop, 56, 34), "terhelés");
                p.drawLine(x, kDeviceTop + 34, x, kDeviceTop + 58);
                p.setPen(QPen(kSupplyColor, 1.5));
                caption(p, x, kDeviceTop + 60, "+12V");
                break;
            case Kind::PhoneLine:
                p.drawLine(x, pin + 4, x, kDeviceTop + 30);
                lineXs.push_back(x);
                break;
        }
        p.setPen(QPen(kWireColor, 1.5));
    }
    if (supplyX >= 0 && groundX >= 0) {
        const int left = std::min(supplyX, groundX) - 26, right = std::max(supplyX, groundX) + 26;
        box(p, QRect(left, kDeviceTop + 30, right - left, 40), "tápegység\n12V DC");
        // The contacts close towards the common ground of the supply.
        if (lastContactX >= 0) {
            p.drawLine(groundX, kDeviceTop + 70, groundX, kBusY);
            p.drawLine(groundX, kBusY, lastContactX, kBusY);
        }
    }
    if (lineXs.size() == 2) {
        const int left = lineXs.front() - 26, right = lineXs.back() + 26;
        box(p, QRect(left, kDeviceTop + 30, right - left, 40), "riasztóközpont\ntelefonvonala");
    }
}

void WiringDrawing::drawSecondOutput(QPainter& p) const {
    p.drawText(QRect(0, 4, width(), 18), Qt::AlignHCenter, "2. kimenet relével");
    const int x = 80;
    // +12V through the relay coil into the output, a diode across the coil.
    p.setPen(QPen(kSupplyColor, 1.5));
    p.drawText(QPoint(x - 16, 40), "+12V");
    p.drawLine(x, 46, x, 70);
    p.setPen(QPen(kWireColor, 1.5));
    box(p, QRect(x - 16, 70, 32, 60), "");
    p.drawText(QPoint(x - 60, 104), "relé");
    p.drawLine(x, 130, x, 170);
    p.drawEllipse(QPoint(x, 174), 4, 4);
    p.drawText(QPoint(x + 10, 184), "KI2");
    p.drawLine(x, 58, x + 40, 58);
    p.drawLine(x + 40, 58, x + 40, 150);
    p.drawLine(x + 40, 150, x, 150);
    QPainterPath diode;
    diode.moveTo(x + 32, 112);
    diode.lineTo(x + 48, 112);
    diode.lineTo(x + 40, 96);
    diode.closeSubpath();
    p.setBrush(kWireColor);
    p.drawPath(diode);
    p.setBrush(Qt::NoBrush);
    p.drawLine(x + 32, 95, x + 48, 95);
    // The relay's contact switches the siren or any other device.
    p.setPen(QPen(kWireColor, 1, Qt::DashLine));
    p.drawLine(x + 16, 100, x + 110, 100);
    p.setPen(QPen(kWireColor, 1.5));
    const int c = x + 120;
    p.drawEllipse(QPoint(c, 80), 3, 3);
    p.drawEllipse(QPoint(c, 120), 3, 3);
    p.drawLine(c, 117, c + 12, 86);
    box(p, QRect(c + 40, 80, 80, 40), "sziréna\ntáppal");
    p.drawLine(c, 77, c, 60);
    p.drawLine(c, 60, c + 80, 60);
    p.drawLine(c + 80, 60, c + 80, 80);
    p.drawLine(c, 123, c, 140);
    p.drawLine(c, 140, c + 80, 140);
    p.drawLine(c + 80, 140, c + 80, 120);
}

}  // namespace vardeck::ui::z4
