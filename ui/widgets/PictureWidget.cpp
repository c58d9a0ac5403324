#include "ui/widgets/PictureWidget.h"

#include "ui/widgets/PictureSource.h"

#include <QMouseEvent>

namespace vardeck::ui {

PictureWidget::PictureWidget(QWidget* parent) : QLabel(parent) { setAlignment(Qt::AlignCenter); }

void PictureWidget::showPicture(const QString& name) {
    const QString shown = name.isEmpty() ? designPicture_ : name;
    if (shown == pictureName_) return;
    pictureName_ = shown;
    setPixmap(loadPicture(shown));
}

void PictureWidget::setDesignPicture(const QString& name) {
    const bool showingDesign = pictureName_ == designPicture_;
    designPicture_ = name;
    if (showingDesign) showPicture({});
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace vardeck::ui
