#pragma once
#include "ui/views/ViewWindow.h"

namespace vardeck {
class ComprtModel;
}

namespace vardeck::ui {

// The port selection view: a fixed-size dialog without title-bar buttons.
class ComprtView : public ViewWindow {
    Q_OBJECT
public:
    ComprtView(ComprtModel& model, ScreenSync& sync);

private:
    ComprtModel& model_;
};

}  // namespace vardeck::ui
