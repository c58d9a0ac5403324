#pragma once
#include "ui/views/ViewWindow.h"

class QWidget;

namespace vardeck {
class Form1Model;
}

namespace vardeck::ui {

// The main view: shown with "Start...." while the program comes up; it is also the
// screen of the 8-input GPRS module, whose controls it shows once a module has been
// handed over to it (or its demo started).
class Form1View : public ViewWindow {
    Q_OBJECT
public:
    Form1View(Form1Model& model, ScreenSync& sync);

private:
    void showGprsModuleWhenServing();

    Form1Model& model_;
    QWidget* gprsModule_ = nullptr;
};

}  // namespace vardeck::ui
