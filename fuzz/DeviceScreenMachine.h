#pragma once
// One of the four device screens (GPRS module, converter, tracker, geofence unit) on a
// scripted channel, its timers on virtual time, as `vardeck-cli device` holds it. A
// script of steps drives it: what the device sends, time passing, and the installer's
// actions. Shared by the screens' fuzz targets, the JSON target and the program that
// records their seeds against the simulated devices.
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "controls/Controls.h"
#include "devices/DeviceCommands.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/ScriptedChannel.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsStoreMemory.h"
#include "tests/shell/SearchTestSupport.h"
#include "z4link/Frame.h"

namespace vardeck::fuzz {

// The script's steps, by their first byte.
inline constexpr uint8_t kScreenRaw = 0x00;    // 0x00-0x3F: that many + 1 bytes follow
inline constexpr uint8_t kScreenFrame = 0x40;  // 0x40-0x4F: four bytes follow, sent with their check sums
// 0x50-0x5F: (low three bits + 1) valid replies, each to the frame sent last: 0xAB,
// that frame's bytes 1 and 2, then its byte 3 (bit 3 clear) or a byte that follows.
inline constexpr uint8_t kScreenEcho = 0x50;
// 0x60-0x67: a block reply: 64 bytes follow, then their data sum (bit 0 clear) or
// one more byte that follows.
inline constexpr uint8_t kScreenBlock = 0x60;
inline constexpr uint8_t kScreenAction = 0x68;  // 0x68-0x6F: an installer's action (below)
inline constexpr uint8_t kScreenTime = 0x70;    // 0x70-0xFF: (low five bits + 1) * 25 ms pass

// The installer's actions (and what happens to the port), by the low three bits.
enum ScreenAction : uint8_t {
    kActRead,         // the read button
    kActWrite,        // the write button (with the screen's checks)
    kActClick,        // a button or menu item: the next byte picks it
    kActEdit,         // an editable control set from what follows, then its rule
    kActHandOver,     // the search hands the device over again
    kActSearchHolds,  // the search takes or gives back the port
    kActAnswer,       // the next questions are answered the other way
    kActPortFails,    // the port's next openings fail, or work again
};

inline constexpr int kScreenSteps = 3000;

// Where a screen may write its device's memory: byte writes (command 0x01) to the
// addresses of its ranges, block writes (command 0x80) to whole 64-byte blocks of
// its pages. A write anywhere else would spoil settings the screen does not own.
struct WriteRule {
    struct Range {
        int from, to;  // [from, to)
    };
    std::vector<Range> bytes;
    int firstPage = 0, endPage = 0;  // [firstPage, endPage)
};

inline WriteRule writeRuleFor(int typeCode) {
    switch (typeCode) {
        case 30: return {{{0, 4}, {256, 256 + 246}}};  // the module's two areas
        case 50: return {{{0, 200}}};
        case 60: return {{{0, 255}}, 98, 99};  // the settings; the old format's address block
        case 61: return {{{30, 46}}, 114, 122};  // the phone number; the position table
        default: return {};
    }
}

class AnsweringDialogs : public Dialogs {
public:
    void showMessage(const std::string&) override {}
    bool askYesNo(const std::string&) override { return yes; }
    bool yes = true;
};

// The screen, its settings, dialogs, channel and clock.
class ScreenMachine {
public:
    // clickNames: the buttons and menu items the script may click.
    ScreenMachine(int typeCode, std::vector<std::string> clickNames) : clickNames_(std::move(clickNames)) {
        devices::DeviceScreenEnvironment env;
        env.dialogs = &dialogs;
        env.searchHoldsChannel = [this] { return searchHolds; };
        screen = devices::makeDeviceScreen(typeCode, channel, env);
        if (!screen) std::abort();
        clock.add(screen->timers());
        channel.onWrite = [rule = writeRuleFor(typeCode)](std::span<const uint8_t> w) { checkWrite(rule, w); };
    }
    // The screen goes first: it may close the channel.
    ~ScreenMachine() { screen.reset(); }

    // Runs a script to its end (or kScreenSteps steps).
    void run(FuzzInput& in) {
        for (int steps = 0; !in.empty() && steps < kScreenSteps; ++steps) step(in);
    }

    void step(FuzzInput& in) {
        const uint8_t op = in.byte();
        if (op < kScreenFrame) {
            channel.deliver(in.take(op - kScreenRaw + 1u));
        } else if (op < kScreenEcho) {
            const auto p = in.take(4);
            if (p.size() == 4) deliverFrame(p[0], p[1], p[2], p[3]);
        } else if (op < kScreenBlock) {
            for (int i = (op & 0x07) + 1; i > 0 && channel.lastFrame; --i) {
                const Frame& f = *channel.lastFrame;
                deliverFrame(0xAB, f[1], f[2], (op & 0x08) ? in.byte() : f[3]);
            }
        } else if (op < kScreenAction) {
            uint8_t block[kBlockSize + 1] = {};
            const auto data = in.take(kBlockSize);
            std::copy(data.begin(), data.end(), block);
            block[kBlockSize] = (op & 1) ? in.byte() : dataSum(block, kBlockSize);
            channel.deliver(block);
        } else if (op < kScreenTime) {
            act(static_cast<ScreenAction>(op & 0x07), in);
        } else {
            clock.advance(((op & 0x1F) + 1) * 25);
        }
        // What holds in every state: a screen ready for the installer runs nothing.
        VARDECK_FUZZ_CHECK(!(screen->ready() && screen->busy()));
    }

    void act(ScreenAction action, FuzzInput& in) {
        switch (action) {
            case kActRead: screen->read(); break;
            case kActWrite: (void)screen->write(); break;
            case kActClick:
                if (!clickNames_.empty()) screen->click(clickNames_[in.byte() % clickNames_.size()]);
                break;
            case kActEdit: edit(in); break;
            case kActHandOver: screen->handOver(); break;
            case kActSearchHolds: searchHolds = !searchHolds; break;
            case kActAnswer: dialogs.yes = !dialogs.yes; break;
            case kActPortFails: channel.refuseOpen = !channel.refuseOpen; break;
        }
    }

    void deliverFrame(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) {
        const Frame f = makeFrame(p0, p1, p2, p3);
        channel.deliver(f);
    }

    // Answers the frame the screen sent last, as a device that does what it is asked
    // would: a block read with 64 zero bytes and their sum, any other frame with its
    // echo. False when every frame has been answered.
    bool answer() {
        if (!channel.lastFrame || answered_ == channel.frames) return false;
        answered_ = channel.frames;
        const Frame f = *channel.lastFrame;
        if (f[1] == kBlockReadCommand) {
            const uint8_t zeros[kBlockSize + 1] = {};
            channel.deliver(zeros);
        } else {
            deliverFrame(0xAB, f[1], f[2], f[3]);
        }
        return true;
    }
    // Answers every frame and lets time pass until `done` holds or `ms` have passed.
    bool answerUntil(const std::function<bool()>& done, int ms) {
        for (int t = 0; t < ms && !done();) {
            if (!answer()) {
                clock.advance(25);
                t += 25;
            }
        }
        return done();
    }

    std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
    ScopedSettingsStore scoped{store};
    AnsweringDialogs dialogs;
    bool searchHolds = false;
    ScriptedChannel channel;
    std::unique_ptr<devices::DeviceScreen> screen;
    testing::VirtualClock clock;

private:
    static constexpr std::size_t kBlockSize = 64;
    static constexpr uint8_t kByteWriteCommand = 0x01;
    static constexpr uint8_t kBlockReadCommand = 0x40;
    static constexpr uint8_t kBlockWriteCommand = 0x80;

    // An editable control set as a user could leave it, then the screen's rule for it.
    void edit(FuzzInput& in) {
        const std::vector<std::string> names = screen->editableControls();
        if (names.empty()) return;
        const std::string& name = names[in.byte() % names.size()];
        controls::Control* control = screen->controls().find(name);
        VARDECK_FUZZ_CHECK(control != nullptr);
        if (auto* e = dynamic_cast<controls::Edit*>(control)) {
            e->setText(in.text(in.byte() % 40));
        } else if (auto* box = dynamic_cast<controls::CheckBox*>(control)) {
            box->setChecked(in.byte() & 1);
        } else if (auto* list = dynamic_cast<controls::ComboBox*>(control)) {
            list->setItemIndex(in.byte() % (list->count() + 1) - 1);
        } else if (auto* spin = dynamic_cast<controls::SpinEdit*>(control)) {
            const int high = in.byte();
            spin->setValue(static_cast<int16_t>(high << 8 | in.byte()));
        } else if (auto* grid = dynamic_cast<controls::Grid*>(control)) {
            const int rows = grid->rowCount() - grid->fixedRows();
            if (rows <= 0 || grid->colCount() < 2) return;
            const int row = grid->fixedRows() + in.byte() % rows;
            const int col = 1 + in.byte() % (grid->colCount() - 1);
            grid->setCell(row, col, in.text(in.byte() % 24));
        }
        screen->controlChanged(name);
    }

    static void checkWrite(const WriteRule& rule, std::span<const uint8_t> w) {
        if (w.size() < kFrameSize) return;
        if (w[1] == kByteWriteCommand) {
            const int address = w[0] << 8 | w[2];
            bool inside = false;
            for (const WriteRule::Range& r : rule.bytes) inside = inside || (address >= r.from && address < r.to);
            VARDECK_FUZZ_CHECK(inside);
        } else if (w[1] == kBlockWriteCommand) {
            VARDECK_FUZZ_CHECK(w[0] == 0 && w[2] >= rule.firstPage && w[2] < rule.endPage && w[3] % kBlockSize == 0);
        }
    }

    std::vector<std::string> clickNames_;
    unsigned answered_ = 0;
};

}  // namespace vardeck::fuzz
