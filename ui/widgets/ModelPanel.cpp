#include "ui/widgets/ModelPanel.h"

#include "ui/widgets/PictureWidget.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vardeck::ui {

ModelPanel::ModelPanel(QWidget* parent)
    : QFrame(parent), picture_(new PictureWidget(this)), caption_(new QLabel(this)) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    caption_->setAlignment(Qt::AlignCenter);
    QFont bold = caption_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    caption_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(picture_, 1);
    layout->addWidget(caption_);
    setMinimumWidth(130);
}

QString ModelPanel::caption() const { return caption_->text(); }

void ModelPanel::setCaption(const QString& text) {
    if (caption_->text() != text) caption_->setText(text);
}

QColor ModelPanel::background() const { return palette().color(QPalette::Window); }

void ModelPanel::setColors(const QColor& background, const QColor& text) {
    QPalette p = palette();
    if (p.color(QPalette::Window) == background && p.color(QPalette::WindowText) == text) return;
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}

void ModelPanel::setDesignPicture(const QString& name) {
    designPicture_ = name;
    picture_->showPicture(name);
}

void ModelPanel::showPicture(const QString& name) { picture_->showPicture(name.isEmpty() ? designPicture_ : name); }

}  // namespace vardeck::ui
