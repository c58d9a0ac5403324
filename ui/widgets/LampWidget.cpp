#include "ui/widgets/LampWidget.h"

#include <QPainter>

namespace vardeck::ui {

LampWidget::LampWidget(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape) {
    setFixedSize(sizeHint());
}

void LampWidget::setLit(bool on) {
    if (on == lit_) return;
    lit_ = on;
    update();
}

void LampWidget::setColor(const QColor& color) {
    if (color == color_) return;
    color_ = color;
    update();
}

QColor LampWidget::shownColor() const {
    if (shape_ == Shape::Round && !lit_) return QColor(70, 70, 70);
    return lit_ || shape_ == Shape::Square ? color_ : color_.darker(200);
}

void LampWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QColor fill = shownColor();
    if (shape_ == Shape::Square && !lit_) fill = fill.darker(130);
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    painter.setBrush(fill);
    if (shape_ == Shape::Round) painter.drawEllipse(face);
    else painter.drawRect(face);
    if (lit_) {
        // A small highlight makes a lit lamp easy to tell from a dark one.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 150));
        const QRectF spot(face.left() + face.width() * 0.22, face.top() + face.height() * 0.18,
                          face.width() * 0.3, face.height() * 0.3);
        painter.drawEllipse(spot);
    }
}

}  // namespace vardeck::ui
