#pragma once
#include "ui/views/ViewWindow.h"

namespace vardeck {
class Form1Model;
}

namespace vardeck::ui {

// The main view: shown with "Start...." while the program comes up; it is also the
// screen of the 8-input GPRS module, whose write and read buttons its hand-over enables.
class Form1View : public ViewWindow {
    Q_OBJECT
public:
    Form1View(Form1Model& model, ScreenSync& sync);

private:
    Form1Model& model_;
};

}  // namespace vardeck::ui
