#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "brand/Brand.h"
#include "shell/Dialogs.h"
#include "shell/SearchControls.h"
#include "shell/SearchHost.h"
#include "shell/SearchScreens.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsStoreMemory.h"
#include "tests/z4link/FakeChannel.h"
#include "z4link/Frame.h"

namespace vardeck::testing {

// Fires model timers on virtual time the way the program's host does: a timer
// counts its interval from the moment it was started (or its interval changed),
// then fires every interval while enabled. Ties fire in registration order.
class VirtualClock {
public:
    void add(const controls::TimerList& timers) {
        for (controls::ModelTimer* timer : timers.all()) {
            entries_.push_back({timer, timer->generation(), false, 0});
            sync(entries_.back());
        }
    }

    int now() const { return now_; }

    void advance(int ms) {
        const long target = now_ + ms;
        for (;;) {
            Entry* next = nullptr;
            for (Entry& e : entries_) {
                sync(e);
                if (e.running && e.due <= target && (!next || e.due < next->due)) next = &e;
            }
            if (!next) break;
            now_ = static_cast<int>(next->due);
            next->due += next->timer->interval();
            next->timer->fire();
        }
        now_ = static_cast<int>(target);
        for (Entry& e : entries_) sync(e);
    }

private:
    struct Entry {
        controls::ModelTimer* timer;
        unsigned generation;
        bool running;
        long due;
    };
    void sync(Entry& e) {
        const bool changed = e.generation != e.timer->generation();
        e.generation = e.timer->generation();
        if (!e.timer->enabled()) {
            e.running = false;
        } else if (changed || !e.running) {
            e.running = true;
            e.due = now_ + e.timer->interval();
        }
    }

    std::vector<Entry> entries_;
    int now_ = 0;
};

// Records every window move, hand-over and message as one line of text.
class RecordingHost : public Dialogs, public ShellNavigator, public DispatchTarget {
public:
    void showMessage(const std::string& text) override { log("message " + text); }
    void hideForm1() override { log("hideForm1"); }
    void showSearchView() override { log("showSearchView"); }
    void showLanguageView() override { log("showLanguageView"); }
    void closeLanguageView() override { log("closeLanguageView"); }
    void showPortView() override { log("showPortView"); }
    void endProgram() override { log("endProgram"); }
    void hideZ4OptionalPages() override { log("hideZ4OptionalPages"); }
    void openZ4Configurator(const Z4Handover& h) override {
        lastHandover = h;
        log("openZ4Configurator " + std::to_string(h.typeCode));
    }
    void openForm5(int state, const std::string& label3) override {
        log("openForm5 " + std::to_string(state) + " " + label3);
    }
    void openForm7(int state) override { log("openForm7 " + std::to_string(state)); }
    void openTraxomain(int state) override { log("openTraxomain " + std::to_string(state)); }
    void showForm1AsGprs() override { log("showForm1AsGprs"); }
    void closeSearchView() override { log("closeSearchView"); }

    int count(const std::string& line) const {
        int n = 0;
        for (const std::string& l : calls) n += l == line;
        return n;
    }
    std::vector<std::string> calls;
    Z4Handover lastHandover;

private:
    void log(std::string line) { calls.push_back(std::move(line)); }
};

inline std::vector<uint8_t> replyFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
    const Frame f = makeFrame(p0, p1, p2, p3);
    return {f.begin(), f.end()};
}
// A module's answer to the identification frame with its type code.
inline std::vector<uint8_t> identificationReply(int code) {
    return replyFrame(0xAB, 0x00, 0xFF, static_cast<uint8_t>(code));
}

// The start-up, search and port screens of one brand on fake channels, a memory
// settings store and a virtual clock that drives all their timers.
class SearchRig {
public:
    explicit SearchRig(int brand = 1)
        : memory(std::make_shared<MemorySettingsStore>()), scopedStore(memory), brand_(brand) {
        SearchEnvironment env;
        env.brand = brand;
        env.dialogs = &host;
        env.navigator = &host;
        env.dispatch = &host;
        env.nowText = [this] { return "2024.03.09. 17:05:" + std::to_string(10 + ++probes_ % 50); };
        env.pictureLoads = [this](const std::string& path) { return path == loadablePicture; };
        env.logoPath = "/start/logo.jpg";
        env.startDir = "/start";
        env.listSerialDevices = [this] { return usbDevices; };
        screens = std::make_unique<SearchScreens>(channel, portChannel, env);
        clock.add(screens->form1.timers());
        clock.add(screens->form8.timers());
        clock.add(screens->startup.timers());
        clock.add(screens->comprt.timers());
    }

    Form1Model& form1() { return screens->form1; }
    Form8Model& form8() { return screens->form8; }
    ComprtModel& comprt() { return screens->comprt; }
    const std::string& key() const { return brandInfo(brand_).brandKey; }
    std::string stored(const std::string& name) { return memory->read(key(), name).value_or("<missing>"); }
    void store(const std::string& name, const std::string& value) { memory->write(key(), name, value); }

    // Form1 comes up and the search view is shown over it, as the start timer does
    // at program start (the start timer itself is tested on its own).
    void startSearch() {
        screens->startup.startTimer.stop();
        form1().FormActivate();
        form8().FormActivate();
    }
    // Runs the clock to the next frame the search sends; returns it.
    std::vector<uint8_t> nextWrite() {
        const std::size_t before = channel.writes.size();
        for (int i = 0; i < 1000 && channel.writes.size() == before; ++i) clock.advance(10);
        return channel.writes.size() > before ? channel.writes.back() : std::vector<uint8_t>{};
    }

    FakeChannel channel;
    FakeChannel portChannel;
    RecordingHost host;
    std::shared_ptr<MemorySettingsStore> memory;
    ScopedSettingsStore scopedStore;
    std::vector<SerialDeviceEntry> usbDevices;
    std::string loadablePicture;
    std::unique_ptr<SearchScreens> screens;
    VirtualClock clock;

private:
    int brand_;
    int probes_ = 0;
};

}  // namespace vardeck::testing
