// The search view of each brand shows a picture in every picture it shows, and the
// program's icon is the brand's own where the brand has one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "shell/Form8Model.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/ScreenSync.h"
#include "ui/app/ProgramIcon.h"
#include "ui/views/Form8View.h"
#include "ui/widgets/PictureWidget.h"

namespace vardeck {
namespace {

using testing::waitUntil;

class SearchBrandPictures : public ::testing::TestWithParam<int> {};

int topIn(QWidget* window, const char* name) {
    return window->findChild<QWidget*>(name)->mapTo(window, QPoint()).y();
}

TEST_P(SearchBrandPictures, EveryShownPictureAndTheIconAreDrawn) {
    const int brand = GetParam();
    testing::TempSettings settings;
    testing::RecordingDialogs dialogs;
    Form8Model::Environment env;
    env.brand = brand;
    env.dialogs = &dialogs;
    env.nowText = [] { return std::string("2024.03.09. 17:05:59"); };
    Form8Model model(env);
    ui::ScreenSync sync;
    ui::Form8View view(model, sync);
    view.onShown = [&] { model.FormActivate(); };
    QApplication::setWindowIcon(ui::programIcon(brand));
    view.show();
    ASSERT_TRUE(waitUntil([&] { return view.isVisible() && !model.Form8.caption().empty(); }));
    QCoreApplication::processEvents();

    int shown = 0;
    for (auto* picture : view.findChildren<ui::PictureWidget*>()) {
        // Panel8 is a narrow panel that is empty by design.
        if (!picture->isVisibleTo(&view) || picture->parentWidget()->objectName() == "Panel8") continue;
        ++shown;
        EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString() << " "
                                                 << picture->pictureName().toStdString();
    }
    EXPECT_GT(shown, 0);
    EXPECT_FALSE(view.windowIcon().isNull());

    const bool ownIcon = brand == 10 || brand == 20 || brand == 30;
    const QImage common = ui::programIcon(1).pixmap(32).toImage();
    EXPECT_EQ(ui::programIcon(brand).pixmap(32).toImage() != common, ownIcon);

    // Brand 50 lifts the exit and port buttons above the row of the demo button.
    ASSERT_TRUE(waitUntil([&] { return (topIn(&view, "BitBtn1") < topIn(&view, "Button2")) == (brand == 50); }))
        << topIn(&view, "BitBtn1") << " " << topIn(&view, "Button2");
}

INSTANTIATE_TEST_SUITE_P(Brands, SearchBrandPictures, ::testing::Values(1, 10, 20, 30, 40, 41, 50));

}  // namespace
}  // namespace vardeck
