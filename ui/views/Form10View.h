#pragma once
#include "ui/views/ViewWindow.h"

namespace vardeck {
class Form10Model;
}

namespace vardeck::ui {

// The first-start language view: four flags, no title-bar buttons.
class Form10View : public ViewWindow {
    Q_OBJECT
public:
    Form10View(Form10Model& model, ScreenSync& sync);

private:
    Form10Model& model_;
};

}  // namespace vardeck::ui
