#include "ui/widgets/PictureWidget.h"

#include "ui/widgets/PictureSource.h"

#include <QMouseEvent>

namespace vardeck::ui {

PictureWidget::PictureWidget(QWidget* parent) : QLabel(parent) { setAlignment(Qt::AlignCenter); }

void PictureWidget::showPicture(const QString& name) {
    if (name == pictureName_) return;
    pictureName_ = name;
    setPixmap(loadPicture(name));
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace vardeck::ui
