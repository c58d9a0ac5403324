#include "ui/z4/DevicePicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vardeck::ui::z4 {
namespace {

constexpr int kDrawingWidth = 58;
constexpr int kDrawingHeight = 48;

}  // namespace

DevicePicture::DevicePicture(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DevicePicture::setModelName(const QString& name) {
    if (name == name_) return;
    name_ = name;
    updateGeometry();
    update();
}

QSize DevicePicture::sizeHint() const {
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    const int textWidth = QFontMetrics(f).horizontalAdvance(name_.isEmpty() ? QStringLiteral("Z-4") : name_);
    return {kDrawingWidth + 12 + textWidth + 8, kDrawingHeight + 4};
}

void DevicePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer drawing(QStringLiteral(":/ui/pictures/module.svg"));
    if (drawing.isValid()) drawing.render(&painter, QRectF(0, 2, kDrawingWidth, kDrawingHeight));
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    painter.setFont(f);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(kDrawingWidth + 12, 0, width() - kDrawingWidth - 12, height()),
                     Qt::AlignVCenter | Qt::AlignLeft, name_);
}

}  // namespace vardeck::ui::z4
