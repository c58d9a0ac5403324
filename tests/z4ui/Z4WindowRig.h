#pragma once
// The configurator's window offscreen, created the way the program creates it, with
// recorded dialogs and a settings file of its own; optionally vardeck-sim as the module.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/SimProcess.h"
#include "tests/sim/TestFiles.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/z4/Z4ConfiguratorEntry.h"
#include "ui/z4/Z4ConfiguratorWindow.h"

namespace vardeck::testing {

// Recorded dialogs that also answer the file dialog with `file`, noting each filter asked for.
struct FileChoosingDialogs : RecordingDialogs {
    std::optional<std::string> chooseOpenFile(const std::string& filter) override {
        fileFilters.push_back(filter);
        return file;
    }
    std::optional<std::string> file;
    std::vector<std::string> fileFilters;
};

class Z4WindowRig : public ::testing::Test {
protected:
    void open(int typeCode, ui::Z4ConfiguratorOptions options = {}) {
        options.dialogs = &dialogs;
        entry_ = ui::createZ4Configurator(std::move(options));
        window_ = dynamic_cast<ui::z4::Z4ConfiguratorWindow*>(entry_->window());
        ASSERT_NE(window_, nullptr);
        entry_->hideOptionalPages();
        Z4Handover handover;
        handover.typeCode = typeCode;
        handover.statusText = "Gsm: " + std::to_string(typeCode);
        entry_->handOver(handover);
        ASSERT_TRUE(waitUntil([&] { return window_->isVisible(); }));
    }
    // vardeck-sim as the module on the port the configurator opens.
    void attachSimulator(const std::vector<std::string>& args) {
        std::string error;
        ASSERT_TRUE(simulator_.start(VARDECK_SIM_PATH, args, 10s, error)) << error;
        settings.set("comport", simulator_.slavePath());
    }
    template <class W>
    W* widget(const char* name) {
        return window_->findChild<W*>(name);
    }
    QString statusPanel(int index) {
        return window_->statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).at(index)->text();
    }
    QWidget* pageWidget(const char* name) { return window_->pages()->findChild<QWidget*>(name); }
    QString tabText(const char* page) { return window_->pages()->tabText(window_->pages()->indexOf(pageWidget(page))); }
    void showPage(const char* name) {
        window_->pages()->setCurrentWidget(pageWidget(name));
        QCoreApplication::processEvents();
    }
    // A menu item as the user chooses it, with the activation that follows.
    void choose(const char* menuItem) {
        widget<QAction>(menuItem)->trigger();
        QCoreApplication::processEvents();
    }

    // A picture of the widget for a person to look at, when VARDECK_Z4_SHOTS names a folder.
    static void saveShot(QWidget* widget, const QString& name) {
        const QByteArray folder = qgetenv("VARDECK_Z4_SHOTS");
        if (!folder.isEmpty()) widget->grab().save(QString("%1/%2.png").arg(QString(folder), name));
    }

    TempSettings settings;
    FileChoosingDialogs dialogs;
    // Files of the test; they outlive the simulator, which writes its memory on exit.
    sim::testfiles::TempDir scratch{"z4ui"};
    sim::SimProcess simulator_;
    std::unique_ptr<ui::Z4ConfiguratorEntry> entry_;
    ui::z4::Z4ConfiguratorWindow* window_ = nullptr;
};

}  // namespace vardeck::testing
