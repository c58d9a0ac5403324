#include "ui/views/Form1View.h"

#include "devices/GprsModuleConfigurator.h"
#include "shell/Form1Model.h"
#include "ui/devices/GprsModulePanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vardeck::ui {

Form1View::Form1View(Form1Model& model, ScreenSync& sync) : ViewWindow("Form1", sync), model_(model) {
    auto* label3 = new QLabel(this);
    label3->setObjectName("Label3");
    QFont big = label3->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    label3->setFont(big);
    label3->setAlignment(Qt::AlignCenter);

    gprsModule_ = createGprsModulePanel(this);
    gprsModule_->setVisible(false);

    auto* buttons = new QHBoxLayout;
    for (const char* name : {"BitBtn1", "BitBtn2"}) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setMinimumWidth(110);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* exit = new QPushButton(this);
    exit->setObjectName("BitBtn3");
    exit->setMinimumWidth(110);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label3, 1);
    layout->addWidget(gprsModule_);
    layout->addLayout(buttons);
    resize(480, 200);

    bind(model_.controls());
    binder().afterRefresh = [this] { showGprsModuleWhenServing(); };
    onAction("BitBtn3", [this] { model_.BitBtn3Click(); });
    onAction("BitBtn1", [this] { model_.BitBtn1Click(); });
    onAction("BitBtn2", [this] { model_.BitBtn2Click(); });
    if (const devices::GprsModuleConfigurator* module = model_.gprsModule()) {
        for (const std::string& name : module->editableControls()) {
            onAction(name, [this, name] { model_.gprsControlChanged(name); });
        }
    }
}

void Form1View::showGprsModuleWhenServing() {
    if (gprsModule_->isVisibleTo(this) == model_.servesAsGprsModule()) return;
    gprsModule_->setVisible(model_.servesAsGprsModule());
    adjustSize();
}

}  // namespace vardeck::ui
