// The SMS centre view SMSk: the number of the SIM's SMS centre, typed or taken from a
// carrier's preset, set in the module's modem with "Beállítás / Újrainditás". The
// configurator enters GSM modem mode for it; closing the view leaves that mode.
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/z4/Z4DiagnosticWindows.h"
#include "ui/z4/Z4Widgets.h"

namespace vardeck::ui::z4 {
namespace {

// Enter in the number field clicks no button: a preset would overwrite what was typed.
QPushButton* plainButton(const char* name, QWidget* parent) {
    QPushButton* b = button(name, parent);
    b->setAutoDefault(false);
    return b;
}

class SmsCentreWindow : public DiagnosticWindow {
public:
    explicit SmsCentreWindow(z4screen::Z4Configurator& model)
        : DiagnosticWindow("SMSk", model.gsm().smsCentre, model, z4screen::MenuView::SmsCentre) {
        QLineEdit* number = edit("Edit1", this);
        number->setMinimumWidth(220);

        auto* presets = new QHBoxLayout;
        std::vector<std::string> modelButtons;
        for (const auto& preset : z4screen::SmsCentreView::presets()) {
            presets->addWidget(plainButton(preset.button, this));
            modelButtons.push_back(preset.button);
        }
        presets->addStretch();

        auto* buttons = new QHBoxLayout;
        QPushButton* set = plainButton("BitBtn1", this);
        buttons->addWidget(set);
        buttons->addStretch();
        QPushButton* quit = plainButton("BitBtn2", this);
        quit->setMinimumWidth(100);
        buttons->addWidget(quit);
        modelButtons.push_back("BitBtn1");

        auto* column = new QVBoxLayout(this);
        column->addWidget(label("Label1", this));
        column->addWidget(number);
        column->addLayout(presets);
        column->addWidget(label("Label2", this));  // where the setting stands
        column->addLayout(buttons);
        column->setSizeConstraint(QLayout::SetFixedSize);
        bindButtons(modelButtons, "BitBtn2");
    }
};

}  // namespace

std::unique_ptr<MenuViewWindow> smsCentreWindow(z4screen::Z4Configurator& model) {
    return std::make_unique<SmsCentreWindow>(model);
}

}  // namespace vardeck::ui::z4
