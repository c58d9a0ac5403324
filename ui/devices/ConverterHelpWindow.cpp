#include "ui/devices/ConverterWindow.h"

#include "devices/ConverterHelp.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vardeck::ui {

ConverterHelpWindow::ConverterHelpWindow(devices::ConverterHelp& model, ScreenSync& sync, QWidget* parent)
    : ViewWindow("leiras", sync, parent, Qt::Window), model_(model) {
    setWindowModality(Qt::ApplicationModal);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName("Memo1");
    text->setReadOnly(true);
    auto* buttons = new QHBoxLayout;
    for (const char* name : {"BitBtn2", "BitBtn1"}) {
        auto* button = new QPushButton(this);
        button->setObjectName(name);
        button->setMinimumWidth(110);
        buttons->addWidget(button);
        if (std::string(name) == "BitBtn2") buttons->addStretch(1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
    resize(560, 420);

    bind(model_.controls());
    onAction("BitBtn2", [this] { model_.BitBtn2Click(); });
    onAction("BitBtn1", [this] { model_.BitBtn1Click(); });
    model_.closeView = [this] { close(); };
    onClose = [this] {
        model_.FormClose();
        return true;
    };
}

ConverterHelpWindow::~ConverterHelpWindow() { model_.closeView = nullptr; }

}  // namespace vardeck::ui
