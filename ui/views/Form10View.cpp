#include "ui/views/Form10View.h"

#include "shell/StartupModel.h"
#include "ui/widgets/PictureWidget.h"

#include <QHBoxLayout>

namespace vardeck::ui {

Form10View::Form10View(Form10Model& model, ScreenSync& sync)
    : ViewWindow("Form10", sync, nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      model_(model) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(24);
    for (const char* name : {"Image1", "Image2", "Image3", "Image4"}) {
        auto* flag = new PictureWidget(this);
        flag->setObjectName(name);
        flag->setCursor(Qt::PointingHandCursor);
        flag->setScaledContents(true);
        flag->setFixedSize(96, 48);
        layout->addWidget(flag);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);

    bind(model_.controls());
    onAction("Image1", [this] { model_.Image1Click(); });
    onAction("Image2", [this] { model_.Image2Click(); });
    onAction("Image3", [this] { model_.Image3Click(); });
    onAction("Image4", [this] { model_.Image4Click(); });
}

}  // namespace vardeck::ui
