// The configurator's window offscreen: every control has its widget, the pages follow
// the model, nothing is cut at the default size, and a read against vardeck-sim over a
// pseudo-terminal fills the widgets.
#include <gtest/gtest.h>

#include "brand/Brand.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <csignal>

#include "tests/z4ui/Z4WindowRig.h"
#include "z4config/ImageBinding.h"
#include "z4screen/Z4Configurator.h"

namespace vardeck::testing {
namespace {

using Z4Window = Z4WindowRig;

TEST_F(Z4Window, EveryControlHasItsWidgetAndEveryNamedWidgetItsControl) {
    open(71);
    EXPECT_EQ(window_->unboundControls(), std::vector<std::string>{});
    EXPECT_EQ(window_->widgetsWithoutControl(), std::vector<std::string>{});
}

TEST_F(Z4Window, TheBrandLogoShowsOnTheConfiguratorWhereTheBrandHasOne) {
    open(71);
    auto* logo = window_->findChild<QLabel*>("Image16");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->isVisibleTo(window_), vardeck::brandCode() == 1);
    if (vardeck::brandCode() == 1) {
        EXPECT_FALSE(logo->pixmap().isNull());
    }
}

TEST_F(Z4Window, PagesAndMenusFollowTheModel) {
    settings.set("comport", "/nonexistent/z4ui");
    open(80);
    QTabWidget* tabs = window_->pages();
    EXPECT_FALSE(tabs->isTabVisible(tabs->indexOf(tabs->findChild<QWidget*>("TabSheet4"))));  // Be3: not on a Z-1
    EXPECT_TRUE(tabs->isTabVisible(tabs->indexOf(tabs->findChild<QWidget*>("TabSheet16"))));

    // A phone number typed on the first page captions the lists of the page shown next.
    QTest::keyClicks(widget<QLineEdit>("MaskEdit2"), "+3630555");
    showPage("TabSheet2");
    QListWidget* sms = widget<QListWidget>("SMSst1");
    EXPECT_EQ(sms->item(1)->text().trimmed(), "+3630555");
    EXPECT_TRUE(sms->item(1)->flags() & Qt::ItemIsEnabled);
    EXPECT_FALSE(sms->item(0)->flags() & Qt::ItemIsEnabled);

    widget<QAction>("Angol1")->trigger();
    EXPECT_EQ(tabs->tabText(tabs->indexOf(tabs->findChild<QWidget*>("TabSheet2"))), "In1");
    EXPECT_EQ(widget<QPushButton>("BitBtn2")->text(), "Read");
    EXPECT_TRUE(widget<QAction>("Angol1")->isChecked());
    EXPECT_FALSE(widget<QAction>("Magyar1")->isChecked());
}

// Labels, check boxes and buttons get at least the room their text needs on every page
// of every model at the window's default size.
TEST_F(Z4Window, NoTextIsCutAtTheDefaultSize) {
    for (int code : {70, 71, 80, 90, 100}) {
        open(code);
        QTabWidget* tabs = window_->pages();
        // Every tab caption shows without scrolling (a Z-GPS has too many pages for that).
        if (code != 90) {
            EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->tabBar()->width()) << code;
        }
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabVisible(i)) continue;
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            for (QWidget* w : tabs->widget(i)->findChildren<QWidget*>()) {
                if (!w->isVisible() || w->objectName().isEmpty()) continue;
                auto* label = qobject_cast<QLabel*>(w);
                if (!qobject_cast<QAbstractButton*>(w) && !(label && !label->wordWrap())) continue;
                EXPECT_GE(w->width(), w->minimumSizeHint().width())
                    << code << " " << tabs->widget(i)->objectName().toStdString() << " "
                    << w->objectName().toStdString();
            }
        }
        // Optional pictures of each page for a person to look at.
        if (!qEnvironmentVariableIsEmpty("VARDECK_Z4_SHOTS")) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (!tabs->isTabVisible(i)) continue;
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                saveShot(window_, QString("%1-%2").arg(code).arg(tabs->widget(i)->objectName()));
            }
        }
        entry_.reset();
    }
}

TEST_F(Z4Window, TheCloseBoxAsksWhileAnOperationRuns) {
    settings.set("comport", "/nonexistent/z4ui");  // nothing answers: the read runs on
    open(71);
    widget<QPushButton>("BitBtn2")->click();
    ASSERT_TRUE(waitUntil([&] { return !widget<QPushButton>("BitBtn2")->isEnabled(); }));
    dialogs.answer = false;
    window_->windowHandle()->close();
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "Művelet van folyamatban, biztosan ki akar lépni???");
    EXPECT_TRUE(window_->isVisible());

    dialogs.answer = true;
    widget<QPushButton>("BitBtn3")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(Z4Window, ReadingAModuleOverAPseudoTerminalFillsTheWidgets) {
    sim::Bytes memory(8192, 0xFF);
    const std::string phone = "+36301234567";
    std::copy(phone.begin(), phone.end(), memory.begin() + 256);
    const std::string text = "Kapu";
    std::copy(text.begin(), text.end(), memory.begin() + 512);
    memory[8] = 0x03;
    sim::testfiles::writeFile(scratch.file("memory.bin"), memory);
    attachSimulator({"--device", "71", "--firmware", "43", "--memory", scratch.file("memory.bin")});
    open(71);
    // The activation asks the module for its firmware version first.
    ASSERT_TRUE(waitUntil([&] { return statusPanel(2) == "Sw: 4.3"; }, 30s)) << statusPanel(2).toStdString();
    widget<QPushButton>("BitBtn2")->click();
    ASSERT_TRUE(waitUntil([&] { return statusPanel(3) == "Összes adat kiolvasása sikeres!"; }, 60s))
        << statusPanel(3).toStdString();
    EXPECT_EQ(widget<QLineEdit>("MaskEdit1")->text().trimmed().toStdString(), phone);
    EXPECT_EQ(widget<QLineEdit>("riasztas")->text().toStdString(), text);
    EXPECT_EQ(widget<QComboBox>("ComboBox1")->currentIndex(), 3);
    EXPECT_TRUE(widget<QPushButton>("BitBtn1")->isEnabled());
    EXPECT_EQ(statusPanel(0).toStdString(), simulator_.slavePath());
}

// With nothing running the tick only keeps the clock label going: once a second while
// the window is shown, not at all while it is hidden. A button that starts an operation
// brings the engine's pace back at once.
TEST_F(Z4Window, TheTickRestsWhileNothingRuns) {
    attachSimulator({"--device", "71", "--firmware", "43"});
    open(71);
    ASSERT_TRUE(waitUntil([&] { return statusPanel(2) == "Sw: 4.3"; }, 30s));
    constexpr int kEnginePace = z4screen::Z4Configurator::kTickPeriodMs;
    ASSERT_TRUE(waitUntil([&] { return window_->tickIntervalMs() > kEnginePace; }, 10s))
        << "the port closes a few ticks after the version query";
    EXPECT_LE(window_->tickIntervalMs(), 1000 + kEnginePace);

    window_->hide();
    EXPECT_TRUE(waitUntil([&] { return window_->tickIntervalMs() == -1; }, 3s));
    window_->show();
    EXPECT_TRUE(waitUntil([&] { return window_->tickIntervalMs() > kEnginePace; }, 10s));

    widget<QPushButton>("BitBtn2")->click();
    EXPECT_EQ(window_->tickIntervalMs(), kEnginePace);
    EXPECT_TRUE(waitUntil([&] { return statusPanel(3) == "Összes adat kiolvasása sikeres!"; }, 60s));
}

// A phone field hands the model its blanks: a blank first position is an empty number,
// and a blank inside the number ends it, both in the model and in the image written.
TEST_F(Z4Window, PhoneFieldsKeepTheirBlanks) {
    open(71);
    QLineEdit* first = widget<QLineEdit>("MaskEdit1");
    QLineEdit* second = widget<QLineEdit>("MaskEdit2");
    // Delete blanks a position of a masked edit without moving the ones after it.
    QTest::keyClicks(first, "51234");
    QTest::keyClick(first, Qt::Key_Home);
    QTest::keyClick(first, Qt::Key_Delete);
    QTest::keyClicks(second, "12534");
    QTest::keyClick(second, Qt::Key_Left, Qt::NoModifier);
    QTest::keyClick(second, Qt::Key_Left);
    QTest::keyClick(second, Qt::Key_Backspace);
    z4config::Z4Editor& editor = window_->model().editor();
    EXPECT_EQ(editor.MaskEdit[0]->text(), " 1234");
    EXPECT_EQ(editor.MaskEdit[1]->text(), "12 34");
    // The refresh after each key leaves the fields as edited.
    EXPECT_EQ(first->displayText().toStdString(), "_1234___________");
    EXPECT_EQ(second->displayText().toStdString(), "12_34___________");

    z4config::Image image{};
    z4config::encodeImage(editor, image, {});
    const std::size_t phone1 = 256, phone2 = 256 + 16;
    EXPECT_EQ(image[phone1], z4config::kEnd);
    EXPECT_EQ(std::string(image.begin() + phone2, image.begin() + phone2 + 2), "12");
    EXPECT_EQ(image[phone2 + 2], z4config::kEnd);
}

}  // namespace
}  // namespace vardeck::testing
