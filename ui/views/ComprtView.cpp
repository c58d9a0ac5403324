#include "ui/views/ComprtView.h"

#include "shell/ComprtModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vardeck::ui {

ComprtView::ComprtView(ComprtModel& model, ScreenSync& sync)
    : ViewWindow("comprt", sync, nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      model_(model) {
    setWindowModality(Qt::ApplicationModal);

    // The nine choices in three columns; the port number sits beside "Egyéb:".
    auto* group = new QGroupBox(this);
    group->setObjectName("RadioGroup1");
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 9; ++i) grid->addWidget(new QRadioButton(group), i % 3, i / 3 * 2);
    auto* spin = new QSpinBox(group);
    spin->setObjectName("SpinEdit1");
    spin->setMinimumWidth(70);
    grid->addWidget(spin, 2, 5);

    auto* usb = new QComboBox(this);
    usb->setObjectName("ComboBox1");
    usb->setMinimumWidth(260);
    usb->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* scan = new QPushButton(this);
    scan->setObjectName("BitBtn2");
    auto* ok = new QPushButton(this);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName("BitBtn3");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(scan);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(usb);
    layout->addLayout(buttons);
    // Fixed to what its contents need, also when a caption changes with the language.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    bind(model_.controls());
    onAction("BitBtn1", [this] { model_.BitBtn1Click(); });
    onAction("BitBtn2", [this] { model_.BitBtn2Click(); });
    onAction("BitBtn3", [this] { model_.BitBtn3Click(); });
    onAction("ComboBox1", [this] { model_.ComboBox1Select(model_.ComboBox1.itemIndex()); });
    onEscape = [this] { model_.BitBtn3Click(); };
}

}  // namespace vardeck::ui
