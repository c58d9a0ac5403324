#pragma once
#include "ui/views/ViewWindow.h"

#include <memory>

namespace vardeck::devices {
class ConverterScreen;
class ConverterHelp;
}  // namespace vardeck::devices

namespace vardeck::ui {

class ConverterHelpWindow;

// The converter's window Form5: the Extra and Help menus, the found model and the
// converter's version, the fields of its memory, the progress bar and the buttons.
// Its help view opens modally from the Help menu.
class ConverterWindow : public ViewWindow {
    Q_OBJECT
public:
    ConverterWindow(devices::ConverterScreen& model, ScreenSync& sync);
    ~ConverterWindow() override;

    ConverterHelpWindow& helpWindow() { return *help_; }

private:
    QWidget* buildFields();
    void showAccountCodeColor();

    devices::ConverterScreen& model_;
    std::unique_ptr<ConverterHelpWindow> help_;
};

// The help view `leiras`: the read-only text and its two buttons.
class ConverterHelpWindow : public ViewWindow {
    Q_OBJECT
public:
    ConverterHelpWindow(devices::ConverterHelp& model, ScreenSync& sync, QWidget* parent);
    ~ConverterHelpWindow() override;

private:
    devices::ConverterHelp& model_;
};

}  // namespace vardeck::ui
