// The balance view MESS1: the panel says whether the query still waits for the
// network (red) or the answer came (green), the text below is the answer. The
// configurator enters GSM modem mode for it; closing the view leaves that mode.
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/z4/Z4DiagnosticWindows.h"
#include "ui/z4/Z4Widgets.h"

namespace vardeck::ui::z4 {
namespace {

class BalanceWindow : public DiagnosticWindow {
public:
    explicit BalanceWindow(z4screen::Z4Configurator& model)
        : DiagnosticWindow("MESS1", model.gsm().balance, model, z4screen::MenuView::Balance) {
        QLabel* state = label("Panel1", this);
        state->setAlignment(Qt::AlignCenter);
        state->setFrameShape(QFrame::Panel);
        state->setFrameShadow(QFrame::Raised);
        state->setMinimumHeight(state->fontMetrics().height() * 2);

        auto* answer = new QPlainTextEdit(this);
        answer->setObjectName("Memo1");
        answer->setReadOnly(true);

        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        QPushButton* quit = button("BitBtn1", this);
        quit->setMinimumWidth(100);
        quit->setDefault(true);
        buttons->addWidget(quit);

        auto* column = new QVBoxLayout(this);
        column->addWidget(state);
        column->addWidget(answer, 1);
        column->addLayout(buttons);
        resize(460, 260);
        bindButtons({}, "BitBtn1");
    }
};

}  // namespace

std::unique_ptr<MenuViewWindow> balanceWindow(z4screen::Z4Configurator& model) {
    return std::make_unique<BalanceWindow>(model);
}

}  // namespace vardeck::ui::z4
