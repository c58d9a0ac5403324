// The views of the menu bar as windows over the configurator, and the four-area
// brand's rearranged window.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "tests/z4ui/Z4WindowRig.h"
#include "ui/z4/WiringDrawing.h"
#include "ui/z4/Z4MenuViewWindows.h"

namespace vardeck::testing {
namespace {

using z4screen::MenuView;

class MenuViewWindows : public Z4WindowRig {
protected:
    // Chooses the menu item and returns the view it opened, modal and fully bound.
    ui::z4::MenuViewWindow* openFromMenu(const char* menuItem, MenuView view) {
        choose(menuItem);
        ui::z4::MenuViewWindow* shown = window_->menuView(view);
        EXPECT_TRUE(shown->isVisible()) << menuItem;
        EXPECT_EQ(shown->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(shown->unboundControls(), std::vector<std::string>{}) << menuItem;
        EXPECT_EQ(shown->widgetsWithoutControl(), std::vector<std::string>{}) << menuItem;
        return shown;
    }
    void closeWith(ui::z4::MenuViewWindow* view, const char* button) {
        view->findChild<QPushButton*>(button)->click();
        EXPECT_TRUE(waitUntil([&] { return !view->isVisible(); }));
    }
};

TEST_F(MenuViewWindows, TheManualsDrawAndDescribeTheConnectedModel) {
    settings.set("comport", "/nonexistent/z4ui");
    open(70);
    auto* wiring = openFromMenu("Bektsirajz1", MenuView::Wiring);
    EXPECT_EQ(wiring->windowTitle(), "Z-4");
    auto* module = wiring->findChild<ui::z4::WiringDrawing*>("Image1");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->terminals().size(), 9u);
    EXPECT_TRUE(wiring->findChild<QWidget*>("Image2")->isVisible());
    saveShot(wiring, "wiring-70");
    closeWith(wiring, "BitBtn1");

    auto* description = openFromMenu("eleptilers1", MenuView::InstallerDescription);
    auto* text = description->findChild<QLabel*>("Memo1");
    EXPECT_TRUE(text->text().contains("BE1 - BE4"));
    saveShot(description, "installer-70");
    closeWith(description, "BitBtn1");
}

// The contact text is shown as the file has it: markup stays text, a binary file is
// shown readable with the note.
TEST_F(MenuViewWindows, TheContactFileIsShownAsPlainText) {
    const std::string text = std::string("<b>Ostera</b> Kft.\n<img src=\"x.png\">\n") + '\0' + "\x01tail";
    sim::testfiles::writeFile(scratch.file("contact.txt"), sim::Bytes(text.begin(), text.end()));
    settings.set("comport", "/nonexistent/z4ui");
    ui::Z4ConfiguratorOptions options;
    options.brandCode = 50;
    options.startDir = scratch.path().string();
    open(71, options);
    ASSERT_TRUE(waitUntil([&] { return widget<QAction>("Contact1")->isVisible(); }));  // the activation shows it
    auto* contact = openFromMenu("Contact1", MenuView::Contact);
    auto* area = contact->findChild<QLabel*>("Memo1");
    EXPECT_EQ(area->textFormat(), Qt::PlainText);
    EXPECT_TRUE(area->text().startsWith("<b>Ostera</b> Kft.\n<img src=\"x.png\">\n")) << area->text().toStdString();
    EXPECT_FALSE(area->text().contains(QChar(0)));
    EXPECT_TRUE(area->text().contains(QString::fromUtf8(z4config::kContactNotTextNote)));
    saveShot(contact, "contact-50");
    closeWith(contact, "BitBtn1");
}

TEST_F(MenuViewWindows, TheWindowSizeViewStoresTheChoice) {
    settings.set("comport", "/nonexistent/z4ui");
    open(71);
    choose("Angol1");
    auto* sizes = openFromMenu("Kpernyfelbontsbelltsa1", MenuView::WindowSize);
    EXPECT_EQ(sizes->windowTitle(), "Screen");
    auto* group = sizes->findChild<QGroupBox*>("RadioGroup1");
    EXPECT_EQ(group->title(), "Size screen");
    const auto items = group->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 5);
    EXPECT_TRUE(items[2]->isChecked());  // the first activation stored "2"
    EXPECT_EQ(items[4]->text(), "1600*1280");
    EXPECT_FALSE(sizes->findChild<QLabel*>("Label1")->isVisible());
    saveShot(sizes, "window-size");
    items[0]->click();
    closeWith(sizes, "Button1");
    EXPECT_EQ(settings.get("monitor"), "0");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back(), "Restart program...");
}

TEST_F(MenuViewWindows, TheAreaBrandShowsItsHelpBelowTheButtons) {
    settings.set("comport", "/nonexistent/z4ui");
    settings.set("Language", "1");
    ui::Z4ConfiguratorOptions options;
    options.brandCode = 20;
    open(71, options);
    ASSERT_TRUE(waitUntil([&] { return tabText("TabSheet2") == "Area 1"; }));
    EXPECT_FALSE(widget<QWidget>("Panel16")->isVisible());
    auto* help = widget<QLabel>("RichEdit1");
    ASSERT_TRUE(help->isVisible());
    EXPECT_EQ(help->width(), 465);
    EXPECT_GE(help->height(), 90);
    EXPECT_EQ(help->palette().color(QPalette::Window), QColor(174, 204, 248));
    auto* restart = widget<QPushButton>("BitBtn4");
    EXPECT_GT(help->mapTo(window_, QPoint(0, 0)).y(), restart->mapTo(window_, QPoint(0, restart->height())).y());
    showPage("TabSheet2");
    EXPECT_TRUE(widget<QLabel>("Memo1")->isVisible());
    showPage("TabSheet14");
    EXPECT_GE(widget<QLabel>("Memo6")->height(), 177);
    saveShot(window_, "brand20-other");
    showPage("TabSheet2");
    saveShot(window_, "brand20-area1");

    // Other brands keep the help hidden.
    entry_.reset();
    open(71);
    EXPECT_FALSE(widget<QLabel>("RichEdit1")->isVisible());
}

}  // namespace
}  // namespace vardeck::testing
