#include "ui/views/Form8View.h"

#include "shell/Form8Model.h"
#include "ui/widgets/LampWidget.h"
#include "ui/widgets/ModelPanel.h"
#include "ui/widgets/PictureWidget.h"
#include "ui/widgets/StatusPanel.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vardeck::ui {
namespace {

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = named(new QPushButton(parent), name);
    b->setMinimumWidth(110);
    return b;
}

// The picture of a model panel when the brand gives it none.
constexpr const char* kModulePicture = "ui/pictures/module";
constexpr int kDesignWidth = 640;
constexpr int kDesignHeight = 420;

}  // namespace

Form8View::Form8View(Form8Model& model, ScreenSync& sync) : ViewWindow("Form8", sync), model_(model) {
    setWindowModality(Qt::ApplicationModal);
    build();
    bind(model_.controls());
    binder().afterRefresh = [this] { followLiftedControls(); };
    route();
}

void Form8View::build() {
    auto* top = new QHBoxLayout;
    auto* logo = named(new PictureWidget(this), "Image16");
    top->addWidget(logo, 0, Qt::AlignLeft | Qt::AlignTop);
    top->addStretch(1);

    // Each flag with its language lamp below it: round lamps, or the square ones of brand 50.
    auto* flags = new QGridLayout;
    flags->setHorizontalSpacing(14);
    const char* flagNames[] = {"Image7", "Image8", "Image9", "Image11"};
    for (int i = 0; i < 4; ++i) {
        auto* flag = named(new PictureWidget(this), flagNames[i]);
        flag->setCursor(Qt::PointingHandCursor);
        flags->addWidget(flag, 0, i, Qt::AlignCenter);
        auto* lamps = new QHBoxLayout;
        lamps->addWidget(named(new LampWidget(LampWidget::Shape::Round, this), qPrintable(QString("hhALed%1").arg(i + 1))));
        lamps->addWidget(named(new LampWidget(LampWidget::Shape::Square, this), qPrintable(QString("TILed%1").arg(i + 1))));
        flags->addLayout(lamps, 1, i, Qt::AlignCenter);
    }
    flags->addWidget(button(this, "BitBtn3"), 2, 0, 1, 4, Qt::AlignRight);
    top->addLayout(flags);

    // The model panels; Panel2 lies under Panel3 in the same place.
    auto* panels = new QHBoxLayout;
    panelMenu_ = new QMenu(this);
    panelMenu_->addAction(named(new QAction(this), "D1"));
    auto* modelPlace = new QWidget(this);
    auto* stack = new QGridLayout(modelPlace);
    stack->setContentsMargins(0, 0, 0, 0);
    for (int n = 1; n <= 8; ++n) {
        auto* panel = named(new ModelPanel(n == 2 || n == 3 ? modelPlace : this), qPrintable(QString("Panel%1").arg(n)));
        if (n == 8) {
            panel->setMinimumWidth(24);
            panel->setMaximumWidth(24);
        } else {
            panel->setDesignPicture(kModulePicture);
        }
        panel->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(panel, &QWidget::customContextMenuRequested, this,
                [this, panel, n](const QPoint& pos) { openPanelMenu(n, panel->mapToGlobal(pos)); });
        if (n == 2 || n == 3) {
            stack->addWidget(panel, 0, 0);
            if (n == 3) panels->addWidget(modelPlace);
        } else {
            panels->addWidget(panel);
        }
    }
    panels->addStretch(1);

    auto* modelLabels = new QHBoxLayout;
    for (const char* name : {"Label2", "Label4", "Label5"}) modelLabels->addWidget(named(new QLabel(this), name));
    modelLabels->addStretch(1);

    // Image12 and Image13 are shown by one brand only, and are its drawings.
    auto* pictures = new QHBoxLayout;
    pictures_ = pictures;
    for (const char* name : {"Image12", "Image13", "Image14", "Image15"}) pictures->addWidget(named(new PictureWidget(this), name));
    findChild<PictureWidget*>("Image12")->setDesignPicture("brand10/Image12");
    findChild<PictureWidget*>("Image13")->setDesignPicture("brand10/Image13");
    findChild<PictureWidget*>("Image14")->setDesignPicture(kModulePicture);
    pictures->addStretch(1);

    auto* gauge = named(new QProgressBar(this), "Gauge2");
    gauge->setTextVisible(false);
    gauge->setMaximumHeight(14);

    auto* buttons = new QHBoxLayout;
    buttons_ = buttons;
    buttons->addWidget(button(this, "Button2"));
    buttons->addStretch(1);
    buttons->addWidget(button(this, "BitBtn2"));
    buttons->addWidget(button(this, "BitBtn1"));

    auto* status = named(new QStatusBar(this), "StatusBar1");
    status->setSizeGripEnabled(false);
    // Panel 0 names the port, which may be a long device path; it takes the room the
    // counters leave.
    auto* portPanel = new QLabel(status);
    portPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    portPanel->setMinimumWidth(160);
    status->addWidget(portPanel, 1);
    // The device code and the frame counters, a new text with every probe.
    for (int i = 0; i < 4; ++i) status->addWidget(new StatusPanel(80, status));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 0);
    layout->addLayout(top);
    layout->addLayout(panels);
    layout->addLayout(modelLabels);
    layout->addLayout(pictures);
    layout->addWidget(gauge);
    layout->addLayout(buttons);
    layout->addWidget(status);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    resize(kDesignWidth, kDesignHeight);
}

// A brand may lift the exit and port buttons and the gauge (their placement moves them
// up) and make the window lower by as much. The layouts place them, so they move up
// beside the pictures row, at its right end, once.
void Form8View::followLiftedControls() {
    if (lifted_ || model_.BitBtn1.placement().topShift >= 0) return;
    lifted_ = true;
    auto* column = new QVBoxLayout;
    auto* gauge = findChild<QProgressBar*>("Gauge2");
    layout()->removeWidget(gauge);
    column->addWidget(gauge);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const char* name : {"BitBtn2", "BitBtn1"}) {
        auto* lifted = findChild<QPushButton*>(name);
        buttons_->removeWidget(lifted);
        row->addWidget(lifted);
    }
    column->addLayout(row);
    pictures_->addLayout(column);
    const int height = kDesignHeight + model_.Form8.placement().heightShift;
    resize(width(), std::max(height, minimumSizeHint().height()));
}

void Form8View::openPanelMenu(int panelNumber, const QPoint& globalPos) {
    popupPanel_ = panelNumber;
    panelMenu_->popup(globalPos);
}

void Form8View::route() {
    onAction("BitBtn1", [this] { model_.BitBtn1Click(); });
    onAction("BitBtn2", [this] { model_.BitBtn2Click(); });
    onAction("BitBtn3", [this] { model_.BitBtn3Click(); });
    onAction("Button2", [this] { model_.Button2Click(); });
    onAction("D1", [this] { model_.D1Click(popupPanel_); });
    onAction("Image7", [this] { model_.Image7Click(); });
    onAction("Image8", [this] { model_.Image8Click(); });
    onAction("Image9", [this] { model_.Image9Click(); });
    onAction("Image11", [this] { model_.Image11Click(); });
}

}  // namespace vardeck::ui
