#pragma once

#include "shell/SearchControls.h"

namespace vardeck {

class ShellNavigator;

// The start timer of the main view: 250 ms after Form1 has come up it asks for the
// interface language on the very first start (Form10), then shows the search view.
class StartupModel : public controls::ControlOwner {
public:
    static constexpr int kInterval = 250;

    StartupModel(ShellNavigator& navigator, int brand);

    void startTimerTimer();
    // Form10 has been closed: the next tick finds the language and opens the search.
    void languageViewClosed() {
        languageQuestionOpen_ = false;
        startTimer.start();
    }
    // The first start's language question is on the screen.
    bool languageQuestionOpen() const { return languageQuestionOpen_; }

    controls::ModelTimer& startTimer = timers_.add("startTimer", kInterval, true);

private:
    ShellNavigator& navigator_;
    int brand_;
    bool languageQuestionOpen_ = false;
};

// The first-start language view Form10: four flags, each stores its language and
// closes the view.
class Form10Model : public controls::ControlOwner {
public:
    static constexpr const char* kCaption = "Language/nyelv";

    Form10Model(StartupModel& startup, ShellNavigator& navigator, int brand);

    // The flags Image1..Image4: Hungarian "0", British "1", German "2", Slovenian "3".
    void Image1Click() { flagClick(0); }
    void Image2Click() { flagClick(1); }
    void Image3Click() { flagClick(2); }
    void Image4Click() { flagClick(3); }
    // The view has been closed (by a flag or otherwise).
    void FormClose() { startup_.languageViewClosed(); }

    controls::Form& Form10 = registry_.add<controls::Form>("Form10", kCaption);
    controls::Picture& Image1 = registry_.add<controls::Picture>("Image1", "flags/hungarian");
    controls::Picture& Image2 = registry_.add<controls::Picture>("Image2", "flags/british");
    controls::Picture& Image3 = registry_.add<controls::Picture>("Image3", "flags/german");
    controls::Picture& Image4 = registry_.add<controls::Picture>("Image4", "flags/slovenian");

private:
    void flagClick(int language);

    StartupModel& startup_;
    ShellNavigator& navigator_;
    int brand_;
};

}  // namespace vardeck
