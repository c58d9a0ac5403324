#include "ui/devices/ConverterWindow.h"

#include "devices/ConverterScreen.h"
#include "ui/ScreenSync.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vardeck::ui {
namespace {

QPushButton* button(const char* name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setMinimumWidth(110);
    return b;
}

QLineEdit* edit(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

QWidget* fieldWidget(const devices::ConverterField& field, QWidget* parent) {
    using K = devices::ConverterFieldKind;
    switch (field.kind) {
        case K::ItemIndex: {
            auto* combo = new QComboBox(parent);
            combo->setObjectName(field.control);
            return combo;
        }
        case K::LowHighWord: {
            // The sensitivity with its reset button beside it.
            auto* row = new QWidget(parent);
            auto* line = new QHBoxLayout(row);
            line->setContentsMargins(0, 0, 0, 0);
            auto* spin = new QSpinBox(row);
            spin->setObjectName(field.control);
            line->addWidget(spin, 1);
            line->addWidget(button("Button1", row));
            return row;
        }
        default: return edit(field.control, parent);
    }
}

}  // namespace

ConverterWindow::ConverterWindow(devices::ConverterScreen& model, ScreenSync& sync)
    : ViewWindow("Form5", sync), model_(model) {
    auto* bar = new QMenuBar(this);
    QMenu* extra = bar->addMenu(QString());
    extra->menuAction()->setObjectName("Extra1");
    QMenu* helpMenu = bar->addMenu(QString());
    helpMenu->menuAction()->setObjectName("Help1");
    for (const char* name : {"elnetmode1", "GSMRoute1", "Verzi1", "Leirs1"}) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        (std::string(name) == "Leirs1" ? helpMenu : extra)->addAction(action);
    }

    auto* label3 = new QLabel(this);
    label3->setObjectName("Label3");
    QFont big = label3->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    label3->setFont(big);
    label3->setAlignment(Qt::AlignCenter);
    auto* label6 = new QLabel(this);
    label6->setObjectName("Label6");
    label6->setAlignment(Qt::AlignCenter);

    auto* progress = new QProgressBar(this);
    progress->setObjectName("ProgressBar1");
    auto* buttons = new QHBoxLayout;
    for (const char* name : {"BitBtn2", "BitBtn1", "BitBtn4"}) buttons->addWidget(button(name, this));
    buttons->addStretch(1);
    buttons->addWidget(button("BitBtn3", this));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(label3);
    layout->addWidget(label6);
    layout->addWidget(buildFields());
    layout->addStretch(1);
    layout->addWidget(progress);
    layout->addLayout(buttons);
    resize(560, 560);

    bind(model_.controls());
    binder().afterRefresh = [this] { showAccountCodeColor(); };
    for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "Button1", "elnetmode1", "GSMRoute1",
                             "Verzi1", "Leirs1"}) {
        const std::string control = name;
        onAction(control, [this, control] { model_.click(control); });
    }
    for (const std::string& control : model_.editableControls()) {
        onAction(control, [this, control] { model_.controlChanged(control); });
    }

    // A window of its own (not a child), so that its widgets stay out of this view's binding.
    help_ = std::make_unique<ConverterHelpWindow>(model_.help(), sync, nullptr);
    model_.openHelp = [this] {
        help_->show();
        help_->raise();
    };
    model_.closeScreen = [this] { close(); };
}

ConverterWindow::~ConverterWindow() {
    model_.openHelp = nullptr;
    model_.closeScreen = nullptr;
}

QWidget* ConverterWindow::buildFields() {
    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 8, 0, 8);
    int row = 0;
    for (const devices::ConverterField& field : devices::converterFields()) {
        if (field.switchControl) {
            auto* box = new QCheckBox(fields);
            box->setObjectName(field.switchControl);
            grid->addWidget(box, row, 0);
        } else {
            grid->addWidget(new QLabel(QString::fromUtf8(field.caption), fields), row, 0);
        }
        grid->addWidget(fieldWidget(field, fields), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return fields;
}

// The account code field turns red when a write was refused for want of it.
void ConverterWindow::showAccountCodeColor() {
    auto* field = findChild<QLineEdit*>("Edit10");
    if (!field) return;
    const controls::Rgb c = model_.Edit10Color();
    QPalette palette = field->palette();
    const QColor wanted(c.r, c.g, c.b);
    if (palette.color(QPalette::Base) == wanted) return;
    palette.setColor(QPalette::Base, wanted);
    field->setPalette(palette);
}

}  // namespace vardeck::ui
