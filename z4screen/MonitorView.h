#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "z4config/Z4Messages.h"
#include "z4config/Z4ProfileMenu.h"
#include "controls/ControlOwner.h"
#include "controls/Controls.h"
#include "controls/ScreenControls.h"
#include "controls/Dialogs.h"
#include "z4link/Z4Link.h"
#include "z4screen/ErrorReport.h"
#include "z4screen/ReportClient.h"

namespace vardeck::z4screen {

// The monitor's text area RichEdit1. The text can be long, so the view does not copy
// it through the binder: it reports itself as a label (the binder keeps only its
// visibility) and the view appends what is new (see MonitorView::textSince).
class MonitorText : public controls::Control {
public:
    explicit MonitorText(std::string name) : Control(controls::ControlKind::Label, std::move(name)) {}
};

// The monitor view Z4Form3: everything the module sends in monitor mode, as it
// comes, stamped every ten minutes; clearing, saving to a file, and the error report
// to the maker's server.
class MonitorView : public controls::ControlOwner {
public:
    // The text is kept to this many bytes: when it grows past, the oldest quarter goes.
    static constexpr std::size_t kTextCap = 1024 * 1024;
    static constexpr int kFirstStampMs = 1000;
    static constexpr int kStampIntervalMs = 600000;

    struct Environment {
        Dialogs* dialogs = nullptr;
        z4config::MessageLookup messages;
        std::function<ModuleClockTime()> clock;          // the stamp's date and time
        std::function<std::string()> reportServer;      // the "reportserver" setting
        ReportClient* reportClient = nullptr;
    };

    explicit MonitorView(Environment environment);

    // Activation: the stamp timer starts at one second.
    void open(int firmwareVersion, std::optional<z4config::WindowScale> scale);
    void close();
    // Bytes the module sent in monitor mode (code page 1250 text, as received).
    void appendModuleBytes(std::string_view bytes);
    // Timer1: a stamp line, then every ten minutes.
    void stampTimer();
    void clearText();                 // Button1 "Törlés"
    void saveToFile();                // BitBtn2 "Mentés Fileba"
    void sendReport();                // Button2 "Elküld"
    // Called on every tick: shows the report's outcome once it is known.
    void pollReport();
    bool reportPending() const { return reportPending_; }
    std::optional<z4config::WindowScale> takeWindowScale();

    // The text as the module sent it (code page 1250) with the stamp lines.
    const std::string& text() const { return text_; }
    // For the view: the text changed other than by appending since `generation`
    // (cleared or cut at the front) when textGeneration() differs from it.
    unsigned textGeneration() const { return textGeneration_; }
    // The text shown as UTF-8.
    std::string textAsUtf8() const;

    controls::Form& Z4Form3 = registry_.add<controls::Form>("Z4Form3", "Monitor");
    MonitorText& RichEdit1 = registry_.add<MonitorText>("RichEdit1");
    controls::Label& Label1 =
        registry_.add<controls::Label>("Label1", "Monitorozás után, kérem indítsa újra a GSM modult!!!");
    controls::Button& Button1 = registry_.add<controls::Button>("Button1", "Törlés");
    controls::Button& BitBtn2 = registry_.add<controls::Button>("BitBtn2", "Mentés Fileba");
    controls::Button& Button2 = registry_.add<controls::Button>("Button2", "Elküld");
    controls::Button& BitBtn1 = registry_.add<controls::Button>("BitBtn1", "Rendben");
    controls::ModelTimer& Timer1 = timers_.add("Timer1", kFirstStampMs);

private:
    void appendLine(const std::string& line);
    void capText();
    std::string message(const std::string& key) const { return z4config::lookUp(env_.messages, key); }

    Environment env_;
    std::string text_;
    unsigned textGeneration_ = 0;
    int firmwareVersion_ = 0;
    bool reportPending_ = false;
    bool scaled_ = false;
    std::optional<z4config::WindowScale> pendingScale_;
};

// "2026-12-09 10:48:41": the stamp's date and time.
std::string stampText(const ModuleClockTime& t);

}  // namespace vardeck::z4screen
