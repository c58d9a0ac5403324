// The binder shows the control kinds of the search screens on their widgets, reports
// clicks, and places hand-placed widgets as a screen moves them.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>

#include "tests/shell/TempFolder.h"
#include "ui/ControlBinder.h"
#include "ui/ScreenSync.h"
#include "ui/widgets/LampWidget.h"
#include "ui/widgets/ModelPanel.h"
#include "ui/widgets/PictureSource.h"
#include "ui/widgets/PictureWidget.h"
#include "ui/widgets/StatusPanel.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"

namespace vardeck {
namespace {

using namespace controls;

TEST(Binder, ShowsPanelsLampsGaugesMenuItemsAndTheWindow) {
    ControlRegistry registry;
    auto& form = registry.add<Form>("View", "Keresés... TRIX");
    auto& panel = registry.add<Panel>("Panel3", "T-RIX");
    auto& lamp = registry.add<Lamp>("TILed2");
    auto& gauge = registry.add<Gauge>("Gauge2", 100);
    auto& item = registry.add<MenuItem>("Magyar1", "Magyar", true);
    auto& flag = registry.add<Picture>("Image7", "flags/hungarian");

    QWidget root;
    root.setObjectName("View");
    auto* panelWidget = new ui::ModelPanel(&root);
    panelWidget->setObjectName("Panel3");
    auto* lampWidget = new ui::LampWidget(ui::LampWidget::Shape::Square, &root);
    lampWidget->setObjectName("TILed2");
    auto* bar = new QProgressBar(&root);
    bar->setObjectName("Gauge2");
    auto* action = new QAction(&root);
    action->setObjectName("Magyar1");
    auto* picture = new ui::PictureWidget(&root);
    picture->setObjectName("Image7");

    std::vector<std::string> reported;
    ui::ControlBinder binder(registry, &root, [&](const std::string& name) { reported.push_back(name); });
    EXPECT_TRUE(binder.unboundControls().empty());
    EXPECT_EQ(root.windowTitle(), "Keresés... TRIX");
    EXPECT_FALSE(picture->pixmap().isNull());

    panel.setColor(kRed);
    panel.setFontColor(Rgb{50, 50, 50});
    lamp.setColor(kGreen);
    lamp.setLit(true);
    gauge.setProgress(42);
    item.setChecked(true);
    form.setCaption("Search... TRIX");
    binder.refresh();
    EXPECT_EQ(panelWidget->background(), QColor(255, 0, 0));
    EXPECT_EQ(lampWidget->shownColor(), QColor(0, 255, 0));
    EXPECT_EQ(bar->value(), 42);
    EXPECT_TRUE(action->isChecked());
    EXPECT_EQ(action->text(), "Magyar");
    EXPECT_EQ(root.windowTitle(), "Search... TRIX");
    EXPECT_TRUE(reported.empty());  // nothing the program set comes back as a user's action

    action->trigger();
    root.show();
    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_EQ(reported, (std::vector<std::string>{"Magyar1", "Image7"}));

    flag.setVisible(false);
    binder.refresh();
    EXPECT_FALSE(picture->isVisible());
}

// Timers and line events refresh only the shown views; a hidden view catches up when it
// is shown, after a user's action, or after a routine event that shows or hides a window.
TEST(ScreenSync, RoutineEventsRefreshTheShownViewsOnly) {
    ControlRegistry shownControls, hiddenControls;
    auto& a = shownControls.add<Label>("A", "1");
    auto& b = hiddenControls.add<Label>("B", "1");
    QWidget shown, hidden;
    auto* labelA = new QLabel(&shown);
    labelA->setObjectName("A");
    auto* labelB = new QLabel(&hidden);
    labelB->setObjectName("B");
    ui::ControlBinder binderA(shownControls, &shown, {});
    ui::ControlBinder binderB(hiddenControls, &hidden, {});
    ui::ScreenSync sync;
    sync.addBinder(binderA);
    sync.addBinder(binderB);
    shown.show();

    a.setCaption("2");
    b.setCaption("2");
    sync.handleRoutine([] {});
    EXPECT_EQ(labelA->text(), "2");
    EXPECT_EQ(labelB->text(), "1");
    hidden.show();
    EXPECT_EQ(labelB->text(), "2") << "shown brought up to date";
    hidden.hide();

    b.setCaption("3");
    sync.handle([] {});
    EXPECT_EQ(labelB->text(), "3");
    b.setCaption("4");
    sync.handleRoutine([&] { shown.hide(); });
    EXPECT_EQ(labelB->text(), "4");
}

// Routine refreshes leave the widgets of unchanged controls alone, but show every
// control that changed since, and one whose widget a user changed even when the
// screen kept the control as it was.
TEST(Binder, RoutineRefreshShowsChangedAndUserTouchedControlsOnly) {
    ControlRegistry registry;
    auto& counter = registry.add<Label>("Counter", "TX: 1");
    registry.add<Label>("Title", "Search");
    auto& sound = registry.add<MenuItem>("Sound", "Sound", true);
    QWidget root;
    auto* counterLabel = new QLabel(&root);
    counterLabel->setObjectName("Counter");
    auto* titleLabel = new QLabel(&root);
    titleLabel->setObjectName("Title");
    auto* soundAction = new QAction(&root);
    soundAction->setObjectName("Sound");
    ui::ControlBinder binder(registry, &root, {});

    titleLabel->setText("drawn over");  // not the model's doing: a routine refresh keeps it
    counter.setCaption("TX: 2");
    binder.refreshChanged();
    EXPECT_EQ(counterLabel->text(), "TX: 2");
    EXPECT_EQ(titleLabel->text(), "drawn over");
    binder.refresh();
    EXPECT_EQ(titleLabel->text(), "Search");

    soundAction->trigger();  // Qt ticks the action; the screen leaves the item unchecked
    ASSERT_FALSE(sound.checked());
    binder.refreshChanged();
    EXPECT_FALSE(soundAction->isChecked());
}

// A status bar's panels are its labels and counter panels, in the order they were added.
TEST(Binder, StatusBarPanelsShowTheirTextsInOrder) {
    ControlRegistry registry;
    auto& status = registry.add<StatusBar>("StatusBar1", 3);
    QWidget root;
    auto* bar = new QStatusBar(&root);
    bar->setObjectName("StatusBar1");
    auto* port = new QLabel(bar);
    auto* sent = new ui::StatusPanel(80, bar);
    auto* received = new ui::StatusPanel(80, bar);
    bar->addWidget(port, 1);
    bar->addWidget(sent);
    bar->addWidget(received);
    ui::ControlBinder binder(registry, &root, {});

    status.setPanel(0, "ttyUSB0");
    status.setPanel(1, "TX: 7");
    status.setPanel(2, "RX: 3");
    binder.refreshChanged();
    EXPECT_EQ(port->text(), "ttyUSB0");
    EXPECT_EQ(sent->text(), "TX: 7");
    EXPECT_EQ(received->text(), "RX: 3");
}

TEST(Binder, MovesHandPlacedWidgetsAsTheScreenPlacesThem) {
    ControlRegistry registry;
    auto& button = registry.add<Button>("BitBtn1", "Kilépés");
    auto& logo = registry.add<Picture>("Image14");
    QWidget root;
    auto* buttonWidget = new QLabel(&root);  // any widget placed by hand
    buttonWidget->setObjectName("BitBtn1");
    buttonWidget->setGeometry(40, 300, 100, 25);
    auto* logoWidget = new ui::PictureWidget(&root);
    logoWidget->setObjectName("Image14");
    logoWidget->setGeometry(200, 10, 120, 60);
    ui::ControlBinder binder(registry, &root, nullptr);

    button.editPlacement().topShift = -200;
    logo.editPlacement().left = 24;
    binder.refresh();
    EXPECT_EQ(buttonWidget->geometry(), QRect(40, 100, 100, 25));
    EXPECT_EQ(logoWidget->geometry(), QRect(24, 10, 120, 60));
    binder.refresh();  // the shift is from the design, not added again
    EXPECT_EQ(buttonWidget->geometry(), QRect(40, 100, 100, 25));
}

TEST(Binder, PicturesFromFilesAreDecodedAndBadOnesShowNothing) {
    testing::TempFolder folder;
    QImage image(64, 32, QImage::Format_RGB888);
    image.fill(QColor(200, 30, 30));
    const QString jpeg = QString::fromStdString(folder.file("logo.jpg"));
    if (!image.save(jpeg, "JPG")) GTEST_SKIP() << "no JPEG writer in this Qt";
    const QPixmap shown = ui::loadPicture(jpeg);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(64, 32));

    testing::writeWholeFile(folder.file("broken.jpg"), "\xFF\xD8\xFF\xE0 not really");
    EXPECT_TRUE(ui::loadPicture(QString::fromStdString(folder.file("broken.jpg"))).isNull());
    EXPECT_TRUE(ui::loadPicture(QString::fromStdString(folder.file("missing.jpg"))).isNull());
    EXPECT_TRUE(ui::loadPicture("no/such/picture").isNull());
    EXPECT_FALSE(ui::loadPicture("fallback").isNull());
}

}  // namespace
}  // namespace vardeck
