#include "ui/devices/GprsModulePanel.h"

#include "devices/GprsModuleControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vardeck::ui {
namespace {

template <class W>
W* named(QWidget* parent, const QString& name) {
    auto* w = new W(parent);
    w->setObjectName(name);
    return w;
}

// One column of codes: each switch with its code field beside it.
QGridLayout* codeColumn(QWidget* parent, int firstBox, int lastBox) {
    auto* grid = new QGridLayout;
    for (int box = firstBox; box <= lastBox; ++box) {
        const int row = box - firstBox;
        grid->addWidget(named<QCheckBox>(parent, QString("CheckBox%1").arg(box)), row, 0);
        auto* code = named<QLineEdit>(parent, QString("Edit%1").arg(box + 1));
        // Eleven digits with room to spare.
        code->setMinimumWidth(code->fontMetrics().horizontalAdvance(QString(13, 'D')));
        grid->addWidget(code, row, 1);
    }
    return grid;
}

}  // namespace

QWidget* createGprsModulePanel(QWidget* parent) {
    auto* panel = new QWidget(parent);

    auto* settings = new QHBoxLayout;
    settings->addWidget(named<QLabel>(panel, "Label1"));
    settings->addWidget(named<QComboBox>(panel, "ComboBox1"));
    settings->addSpacing(16);
    settings->addWidget(named<QLabel>(panel, "Label2"));
    settings->addWidget(named<QComboBox>(panel, "ComboBox2"));
    settings->addStretch(1);

    auto* clientCode = named<QGroupBox>(panel, "ugyfel");
    clientCode->setToolTip(QString::fromUtf8(devices::kClientCodeHint));
    auto* choices = new QHBoxLayout(clientCode);
    choices->addWidget(new QRadioButton(clientCode));
    choices->addWidget(new QRadioButton(clientCode));
    auto* edit1 = named<QLineEdit>(clientCode, "Edit1");
    edit1->setMaximumWidth(edit1->fontMetrics().horizontalAdvance(QString(8, 'D')));
    choices->addWidget(edit1);
    choices->addStretch(1);

    // Alarm codes on the left, restore codes on the right.
    auto* codes = new QHBoxLayout;
    codes->addLayout(codeColumn(panel, 1, 10));
    codes->addSpacing(16);
    codes->addLayout(codeColumn(panel, 11, 20));

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(settings);
    layout->addWidget(clientCode);
    layout->addLayout(codes);
    // The gauge comes and goes with the transfers; its room stays, so nothing jumps.
    auto* gauge = named<QProgressBar>(panel, "kijelzo");
    QSizePolicy policy = gauge->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    gauge->setSizePolicy(policy);
    layout->addWidget(gauge);
    return panel;
}

}  // namespace vardeck::ui
