// The module status view Z4Form2: inputs, tamper, supply, outputs and arming as
// coloured squares, the error and GSM texts, the signal gauge, the temperature, the
// last Contact ID message, the link lamp and the link watch in the status bar. The
// status polling updates it live through the configurator; Timer1 runs the link watch.
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/widgets/LampWidget.h"
#include "ui/z4/Z4DiagnosticWindows.h"
#include "ui/z4/Z4Widgets.h"

namespace vardeck::ui::z4 {
namespace {

constexpr int kWidth = 430;
constexpr int kPanelSide = 18;

QFrame* colourSquare(const char* name, QWidget* parent) {
    auto* square = new QFrame(parent);
    square->setObjectName(name);
    square->setFrameShape(QFrame::Box);
    square->setFixedSize(kPanelSide, kPanelSide);
    return square;
}

QLineEdit* readOnlyEdit(const char* name, QWidget* parent) {
    QLineEdit* e = edit(name, parent);
    e->setReadOnly(true);
    return e;
}

class StatusWindow : public DiagnosticWindow {
public:
    explicit StatusWindow(z4screen::Z4Configurator& model)
        : DiagnosticWindow("Z4Form2", model.diagnostics().statusView, model, z4screen::MenuView::Status),
          view_(model.diagnostics().statusView) {
        auto* column = new QVBoxLayout(this);
        auto* body = new QHBoxLayout;
        body->addLayout(buildFields(), 1);
        body->addLayout(buildSignal());
        column->addLayout(body, 1);

        auto* buttons = new QHBoxLayout;
        QLabel* counter = label("Label5", this);  // hidden by the model
        buttons->addWidget(counter);
        buttons->addStretch();
        QPushButton* quit = button("BitBtn3", this);
        quit->setMinimumWidth(100);
        buttons->addWidget(quit);
        column->addLayout(buttons);

        auto* bar = new QStatusBar(this);
        bar->setObjectName("StatusBar1");
        bar->setSizeGripEnabled(false);
        auto* time = new QLabel(bar);
        time->setMinimumWidth(200);
        bar->addWidget(time);
        bar->addWidget(new QLabel(bar), 1);
        column->addWidget(bar);

        bindButtons({}, "BitBtn3");
    }

    void placeOver(QWidget* over) override {
        // The view's height is the model's (the Contact ID model is taller); without
        // one, what the shown fields need.
        layout()->activate();
        const controls::Placement& p = view_.Z4Form2.placement();
        const int natural = sizeHint().height();
        const int height = p.height ? std::max(*p.height + p.heightShift, minimumSizeHint().height()) : natural;
        place(over, view_.takeWindowScale(), QSize(kWidth, height));
    }

private:
    QGridLayout* buildFields() {
        auto* grid = new QGridLayout;
        int row = 0;
        // Label and square pairs, two to a row.
        const char* squares[][2] = {{"Label1", "Panel1"},   {"Label2", "Panel2"},  {"Label3", "Panel3"},
                                    {"Label4", "Panel4"},   {"Label9", "Panel5"},  {"Label10", "Panel6"},
                                    {"Label12", "Panel7"},  {"Label13", "Panel8"}, {"Label14", "Panel9"}};
        for (int i = 0; i < 9; ++i) {
            const int col = (i % 2) * 2;
            grid->addWidget(label(squares[i][0], this), row + i / 2, col);
            grid->addWidget(colourSquare(squares[i][1], this), row + i / 2, col + 1);
        }
        row += 5;
        const char* fields[][2] = {{"Label7", "Edit1"},  {"Label8", "Edit2"},  {"Label11", "Edit3"},
                                   {"Label15", "Edit4"}, {"Label16", "Edit5"}, {"Label17", "Edit6"},
                                   {"Label18", "Edit7"}};
        for (auto& field : fields) {
            grid->addWidget(label(field[0], this), row, 0);
            grid->addWidget(readOnlyEdit(field[1], this), row, 1, 1, 3);
            ++row;
        }
        grid->setColumnStretch(3, 1);
        grid->setRowStretch(row, 1);
        return grid;
    }

    QVBoxLayout* buildSignal() {
        auto* column = new QVBoxLayout;
        column->addWidget(label("Label6", this), 0, Qt::AlignHCenter);
        QProgressBar* signal = gauge("Gauge1", this);
        signal->setOrientation(Qt::Vertical);
        signal->setMinimumHeight(140);
        column->addWidget(signal, 1, Qt::AlignHCenter);
        auto* lamp = new LampWidget(LampWidget::Shape::Round, this);
        lamp->setObjectName("TILed1");
        column->addWidget(lamp, 0, Qt::AlignHCenter);
        return column;
    }

    z4screen::StatusView& view_;
};

}  // namespace

std::unique_ptr<MenuViewWindow> statusWindow(z4screen::Z4Configurator& model) {
    return std::make_unique<StatusWindow>(model);
}

}  // namespace vardeck::ui::z4
