#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsStoreMemory.h"
#include "settings/SettingsStore.h"
#include "sim/LoopbackChannel.h"
#include "sim/SimEndpoint.h"
#include "sim/Z4FamilyModel.h"
#include "controls/Dialogs.h"
#include "z4screen/ReportClient.h"
#include "z4screen/Z4Configurator.h"

namespace vardeck::testing {

using z4screen::ReportClient;

// Dialogs that record what the screen shows and answer questions as told.
class ScriptedDialogs : public Dialogs {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    std::optional<std::string> chooseOpenFile(const std::string&) override { return file; }
    std::optional<std::string> chooseSaveFile(const std::string&) override { return file; }
    std::optional<std::string> promptText(const std::string& caption, const std::string&,
                                          const std::string&) override {
        promptCaptions.push_back(caption);
        if (prompts.empty()) return std::nullopt;
        auto answer = prompts.front();
        prompts.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> prompts;  // the answers of the text prompts, in order
    std::vector<std::string> promptCaptions;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = true;
    std::optional<std::string> file;  // what the file dialogs choose
};

// The configurator screen against a simulated Z-4 family module in the same process,
// on virtual time, with a settings store in memory.
class ScreenRig {
public:
    // brand 0: the brand of this build. startDir: where the screen looks for
    // "custom.dat" and "contact.txt" (empty: the program's start directory).
    ScreenRig(int typeCode, int firmware, int brand = 1, const std::string& startDir = {},
              ReportClient* reportClient = nullptr);

    // The search hands the module over and the window is activated.
    void handOverAndActivate(int demoFirmware = 0);
    // One tick of virtual time: replies due meanwhile arrive, then the screen ticks.
    void tick();
    // Ticks until the transfer engine is idle (false when it never got there).
    bool runUntilIdle(int maxTicks = 50000);
    // A user edit as the view reports it: the value is stored, then the rule runs.
    void typeText(const std::string& edit, const std::string& text);
    void click(const std::string& control) { screen.userChanged(control); }

    template <class T>
    T& control(const std::string& name) { return screen.targets().get<T>(name); }
    bool visible(const std::string& name) { return screen.targets().find(name)->visible(); }
    const std::string& status() { return screen.editor().StatusBar1.panel(3); }
    std::string setting(const std::string& name);
    void setSetting(const std::string& name, const std::string& value);

    std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore installed{store};
    sim::Z4FamilyModel model;
    sim::SimEndpoint endpoint;
    sim::LoopbackChannel channel;
    ScriptedDialogs dialogs;
    ModuleClockTime clock{2024, 5, 17, 13, 45, 9};
    std::vector<std::string> searchCaptions;
    z4screen::Z4Configurator screen;
    int typeCode;
};

}  // namespace vardeck::testing
