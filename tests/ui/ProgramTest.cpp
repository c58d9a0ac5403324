// The program's start-up and window moves, driven through its widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>

#include "tests/ui/UiTestSupport.h"
#include "ui/app/CommandLine.h"
#include "ui/app/PortOverrideStore.h"
#include "ui/views/ComprtView.h"
#include "ui/views/Form10View.h"
#include "ui/views/Form1View.h"
#include "ui/views/Form8View.h"
#include "ui/z4/Z4ConfiguratorEntry.h"

namespace vardeck {
namespace {

using namespace std::chrono_literals;
using testing::ProgramRig;
using testing::waitUntil;

template <class W = QWidget>
W* child(QWidget& view, const char* name) {
    W* w = view.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(Program, FirstStartAsksTheLanguageThenSearchesInIt) {
    ProgramRig rig(5.0);
    rig.settings.set("comport", "/nonexistent/port");
    ui::VardeckApp& app = rig.start();
    EXPECT_TRUE(app.form1View().isVisible());
    EXPECT_EQ(app.form1View().windowTitle(), "Start....");

    ASSERT_TRUE(waitUntil([&] { return app.form10View().isVisible(); }, 5s));
    EXPECT_FALSE(app.form1View().isVisible());
    EXPECT_EQ(app.form10View().windowTitle(), "Language/nyelv");
    EXPECT_FALSE(app.form10View().windowFlags().testFlag(Qt::WindowCloseButtonHint));

    QTest::mouseClick(child(app.form10View(), "Image3"), Qt::LeftButton);  // German
    EXPECT_EQ(rig.settings.get("Language"), "2");
    EXPECT_FALSE(app.form10View().isVisible());
    ASSERT_TRUE(waitUntil([&] { return app.form8View().isVisible(); }, 5s));
    EXPECT_EQ(app.form8View().windowTitle(), "GSM die inspektion");
    EXPECT_EQ(child<QPushButton>(app.form8View(), "BitBtn1")->text(), "Beenden");
    EXPECT_EQ(app.form8View().windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(rig.settings.get("StartDir").empty());
    EXPECT_FALSE(rig.settings.get("StartDate").empty());
    EXPECT_EQ(rig.settings.get("comport"), "/nonexistent/port");
    EXPECT_TRUE(rig.dialogs.messages.empty());
}

TEST(Program, FlagsLampsAndDemoWorkThroughTheWidgets) {
    ProgramRig rig(5.0);
    rig.settings.set("comport", "/nonexistent/port");
    rig.settings.set("Language", "0");
    ui::VardeckApp& app = rig.start();
    ASSERT_TRUE(waitUntil([&] { return app.form8View().isVisible(); }, 5s));
    EXPECT_EQ(app.form8View().windowTitle(), "Keresés... TRIX");

    QTest::mouseClick(child(app.form8View(), "Image8"), Qt::LeftButton);  // British
    EXPECT_EQ(rig.settings.get("Language"), "1");
    EXPECT_EQ(app.form8View().windowTitle(), "Search... TRIX");
    EXPECT_EQ(child<QPushButton>(app.comprtView(), "BitBtn1")->text(), "Ok (Exit)");
    // The flag blinks and comes back.
    EXPECT_TRUE(waitUntil([&] { return !child(app.form8View(), "Image8")->isVisible(); }, 5s));
    EXPECT_TRUE(waitUntil([&] { return child(app.form8View(), "Image8")->isVisible() &&
                                       !app.screens().form8.zido.enabled(); }, 5s));

    // "Start DEMO" on the GPRS panel: Form1 becomes the module's screen.
    app.form8View().openPanelMenu(4, QPoint(10, 10));
    child<QAction>(app.form8View(), "D1");
    app.form8View().findChild<QAction*>("D1")->trigger();
    ASSERT_TRUE(waitUntil([&] { return app.form1View().isVisible(); }, 5s));
    EXPECT_FALSE(app.form8View().isVisible());
    EXPECT_EQ(child<QLabel>(app.form1View(), "Label3")->text(), "Z-GPRS-CID found");
    EXPECT_FALSE(app.ended());
}

TEST(Program, PortViewFromTheSearchAndItsWaysOut) {
    ProgramRig rig(5.0);
    rig.settings.set("comport", "COM3");
    rig.settings.set("Language", "0");
    ui::VardeckApp& app = rig.start();
    QSignalSpy ended(&app, &ui::VardeckApp::programEnded);
    ASSERT_TRUE(waitUntil([&] { return app.form8View().isVisible(); }, 5s));
    QTest::mouseClick(child(app.form8View(), "BitBtn2"), Qt::LeftButton);
    ASSERT_TRUE(app.comprtView().isVisible());
    EXPECT_FALSE(app.searchChannel().IsOpen());
    EXPECT_EQ(child<QComboBox>(app.comprtView(), "ComboBox1")->placeholderText(), "USB kereso");
    EXPECT_EQ(child<QPushButton>(app.comprtView(), "BitBtn1")->text(), "Rendben (Exit)");

    // Escape is the cancel button: the program ends and nothing is stored.
    QTest::keyClick(&app.comprtView(), Qt::Key_Escape);
    EXPECT_TRUE(app.ended());
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(rig.settings.get("comport"), "COM3");
    EXPECT_FALSE(app.form8View().isVisible());
}

TEST(Program, ClosingTheMainViewOrTheSearchViewEndsTheProgram) {
    ProgramRig first;
    first.settings.set("Language", "0");
    first.settings.set("comport", "/nonexistent/port");
    ui::VardeckApp& a = first.start();
    a.form1View().close();
    EXPECT_TRUE(a.ended());

    ProgramRig second(5.0);
    second.settings.set("Language", "0");
    second.settings.set("comport", "/nonexistent/port");
    ui::VardeckApp& b = second.start();
    ASSERT_TRUE(waitUntil([&] { return b.form8View().isVisible(); }, 5s));
    b.form8View().close();
    EXPECT_TRUE(b.ended());
    EXPECT_FALSE(b.screens().form1.vilogo.enabled());

    // The demo opens the configurator; closing it ends the program too, once the
    // configurator lets itself be closed.
    ProgramRig third(5.0);
    third.settings.set("Language", "0");
    third.settings.set("comport", "/nonexistent/port");
    ui::VardeckApp& c = third.start();
    ASSERT_TRUE(waitUntil([&] { return c.form8View().isVisible(); }, 5s));
    QTest::mouseClick(child(c.form8View(), "Button2"), Qt::LeftButton);
    QWidget* configurator = c.configurator().window();
    ASSERT_TRUE(waitUntil([&] { return configurator->isVisible(); }, 5s));
    EXPECT_FALSE(c.ended());
    configurator->close();
    QCoreApplication::processEvents();
    if (!third.dialogs.questions.empty()) {  // it asked, and the answer was no
        EXPECT_TRUE(configurator->isVisible());
        EXPECT_FALSE(c.ended());
        third.dialogs.answer = true;
        configurator->close();
    }
    EXPECT_TRUE(waitUntil([&] { return c.ended(); }, 5s));
}

TEST(Program, PortOnTheCommandLineIsUsedButNotStored) {
    ProgramRig rig(5.0);
    rig.settings.set("comport", "COM2");
    rig.settings.set("Language", "0");
    rig.port = "/nonexistent/override";
    ui::VardeckApp& app = rig.start();
    EXPECT_EQ(app.searchChannel().DeviceName(), "/nonexistent/override");
    EXPECT_EQ(rig.settings.get("comport"), "/nonexistent/override");  // as every reader sees it
    rig.app.reset();
    EXPECT_EQ(rig.settings.get("comport"), "COM2");  // the store kept its value
}

TEST(Program, PortOverrideEndsWhenThePortViewStoresAChoice) {
    testing::TempSettings settings;
    const std::string& key = testing::TempSettings::key();
    WriteSetting(key, "comport", "COM2");
    auto base = settingsStore();
    ui::PortOverrideStore store(base, key, "/dev/ttyUSB3");
    EXPECT_EQ(store.read("\\SOFTWARE\\gsm\\trix\\", "ComPort").value_or(""), "/dev/ttyUSB3");
    EXPECT_EQ(store.read(key, "Language"), std::nullopt);
    bool listed = false;
    for (const auto& v : store.values(key)) listed |= v.name == "comport" && v.value == "/dev/ttyUSB3";
    EXPECT_TRUE(listed);
    ASSERT_TRUE(store.write(key, "comport", "COM4"));
    EXPECT_FALSE(store.overriding());
    EXPECT_EQ(store.read(key, "comport").value_or(""), "COM4");
}

TEST(Program, CommandLine) {
    std::string error;
    auto line = ui::parseCommandLine({"vardeck", "--port", "/dev/ttyUSB0"}, error);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->port, "/dev/ttyUSB0");
    EXPECT_EQ(ui::parseCommandLine({"vardeck", "--port=COM3"}, error)->port, "COM3");
    EXPECT_EQ(ui::parseCommandLine({"vardeck"}, error)->port, "");
    EXPECT_FALSE(ui::parseCommandLine({"vardeck", "--port"}, error));
    EXPECT_EQ(error, "--port needs a device");
    EXPECT_FALSE(ui::parseCommandLine({"vardeck", "--baud", "4800"}, error));
    EXPECT_EQ(error, "unknown argument: --baud");
    EXPECT_TRUE(ui::parseCommandLine({"vardeck", "--user-data"}, error)->userData);
    EXPECT_TRUE(ui::parseCommandLine({"vardeck", "--version"}, error)->version);
}

TEST(Program, AnUnusableDataFolderIsSaidOnceAtStartInTheInterfaceLanguage) {
    ProgramRig rig(5.0);
    rig.settings.set("Language", "1");
    rig.settings.set("comport", "/nonexistent/port");
    rig.dataFolderProblem = "/home/x/.local/share/vardeck: Permission denied";
    rig.start();
    ASSERT_TRUE(waitUntil([&] { return !rig.dialogs.messages.empty(); }, 5s));
    QCoreApplication::processEvents();
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.dialogs.messages[0],
              "The user data folder cannot be used: your profile and your other files cannot be saved there.\n\n"
              "/home/x/.local/share/vardeck: Permission denied");
}

TEST(Program, PermissionDeniedOnThePortIsExplainedOnce) {
    ProgramRig rig;
    rig.settings.set("Language", "0");
    ui::VardeckApp& app = rig.make();
    TAsynComm32& channel = app.searchChannel();
    channel.SetDeviceName("/dev/ttyUSB0");
    channel.OnOpen(channel, 0, EACCES);
    channel.OnOpen(channel, 0, EACCES);
    channel.OnOpen(channel, 0, ENOENT);  // a missing port is no news: the search just goes on
    ASSERT_TRUE(waitUntil([&] { return !rig.dialogs.messages.empty(); }, 5s));
    QCoreApplication::processEvents();
    ASSERT_EQ(rig.dialogs.messages.size(), 1u);
    EXPECT_NE(rig.dialogs.messages[0].find("dialout"), std::string::npos);
}

}  // namespace
}  // namespace vardeck
