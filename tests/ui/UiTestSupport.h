#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QString>

#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "brand/Brand.h"
#include "shell/ComprtModel.h"
#include "shell/Dialogs.h"
#include "settings/Settings.h"
#include "tests/shell/TempFolder.h"
#include "ui/app/VardeckApp.h"

namespace vardeck::testing {

using namespace std::chrono_literals;

// Runs the event loop until pred() holds or the deadline passes; pred()'s last value.
inline bool waitUntil(const std::function<bool()>& pred, std::chrono::milliseconds deadline = 20s) {
    QElapsedTimer clock;
    clock.start();
    while (!pred()) {
        if (clock.elapsed() > deadline.count()) return pred();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// A settings file of its own for one test, named through VARDECK_SETTINGS as the
// program finds it; the variable is put back afterwards.
class TempSettings {
public:
    TempSettings() {
        if (const char* old = ::getenv("VARDECK_SETTINGS")) previous_ = old;
        ::setenv("VARDECK_SETTINGS", folder_.file("settings.ini").c_str(), 1);
    }
    ~TempSettings() {
        if (previous_.empty()) ::unsetenv("VARDECK_SETTINGS");
        else ::setenv("VARDECK_SETTINGS", previous_.c_str(), 1);
    }
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    void set(const std::string& name, const std::string& value) { WriteSetting(key(), name, value); }
    std::string get(const std::string& name) const { return ReadSetting(key(), name); }
    static const std::string& key() { return currentBrand().brandKey; }
    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
    std::string previous_;
};

// Takes every message and question instead of showing a box; questions get `answer`.
class RecordingDialogs : public Dialogs {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = false;
};

// A device the test plays itself behind a pseudo-terminal: the program opens the
// terminal's slave side by its path, the test reads the frames on the master side
// and answers each six-byte frame with what `answer` gives (nothing for silence).
class PtyDevice {
public:
    using Answer = std::function<std::vector<uint8_t>(const std::vector<uint8_t>& frame)>;
    explicit PtyDevice(Answer answer);
    ~PtyDevice();
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    const std::string& path() const { return path_; }
    int masterFd() const { return master_; }
    int framesSeen() const { return frames_; }
    int framesStartingWith(uint8_t first) const;

private:
    void readable();

    Answer answer_;
    int master_ = -1;
    int slaveHold_ = -1;  // keeps the line up while the program has the port closed
    std::string path_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<uint8_t> pending_;
    std::vector<std::vector<uint8_t>> seen_;
    int frames_ = 0;
};

// The program's views on a settings file of their own; messages are recorded and the
// port view lists no USB devices.
class ProgramRig {
public:
    explicit ProgramRig(double timeScale = 1.0) : timeScale_(timeScale) {}
    ui::VardeckApp& make() {
        ui::VardeckApp::Options options;
        options.dialogs = &dialogs;
        options.timeScale = timeScale_;
        options.port = port;
        options.dataFolderProblem = dataFolderProblem;
        options.listSerialDevices = [] { return std::vector<SerialDeviceEntry>{}; };
        app = std::make_unique<ui::VardeckApp>(options);
        return *app;
    }
    // Makes the program and starts it.
    ui::VardeckApp& start() {
        make().start();
        return *app;
    }

    TempSettings settings;
    RecordingDialogs dialogs;
    std::string port;
    std::string dataFolderProblem;
    std::unique_ptr<ui::VardeckApp> app;

private:
    double timeScale_;
};

}  // namespace vardeck::testing
