#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "i18n/Language.h"
#include "i18n/MessageCatalogue.h"
#include "brand/ModelTexts.h"
#include "z4config/Z4Editor.h"
#include "z4config/Z4ProfileMenu.h"
#include "controls/ControlRegistry.h"
#include "controls/Dialogs.h"
#include "z4link/TransferEngine.h"
#include "z4screen/DiagnosticViews.h"
#include "z4screen/GsmViews.h"
#include "z4screen/MenuViews.h"
#include "z4screen/ReportClient.h"
#include "z4screen/UploadViews.h"
#include "z4screen/ScreenTargets.h"

namespace vardeck {
class CommChannel;
}

namespace vardeck::z4screen {

// What the configurator takes from the program around it.
struct Z4ScreenEnvironment {
    int brandCode = 0;  // 0: the brand of this build
    // The PC's local date and time (clock label, module clock); none: the PC clock.
    std::function<ModuleClockTime()> clock;
    // Form1's Label3, which some brands set when the configurator is activated.
    std::function<void(const std::string&)> setSearchCaption;
    // The brand picture the search view holds (the contact view shows it); none: the
    // start directory's "\logo.jpg" for brand 50 (the fallback picture when there is
    // none), the program's logo for the others.
    std::function<std::string()> brandPicture;
    // Where "\custom.dat" and "\contact.txt" are looked for; empty: the start directory.
    // The contact text and the logo fall back to the installed defaults when missing.
    std::string startDir;
    // Sends the monitor view's error report; none: TCP to the "reportserver" setting.
    ReportClient* reportClient = nullptr;
};

// The Z-4 configurator screen without a window: the configuration image, the editor
// with its pages, the transfer engine on the screen's serial channel, the menu bar,
// the status bar, gauge, buttons and clock, the hand-over from the device search, the
// screen activation with its texts and brand adaptations, and the close question.
// Every entry point runs on the user-interface thread; the view binds its widgets to
// the three control registries by name and shows them again when revision() changes.
class Z4Configurator : private TransferListener {
public:
    using Image = TransferEngine::Image;
    static constexpr int kTickPeriodMs = TransferEngine::kTickPeriodMs;

    Z4Configurator(CommChannel& channel, Dialogs& dialogs, Z4ScreenEnvironment environment = {});
    ~Z4Configurator() override;
    Z4Configurator(const Z4Configurator&) = delete;
    Z4Configurator& operator=(const Z4Configurator&) = delete;

    // --- Parts ---------------------------------------------------------------------
    z4config::Z4Editor& editor() { return editor_; }
    controls::ControlRegistry& screenControls() { return screen_; }
    controls::ControlRegistry& menus() { return menus_; }
    ScreenTargets& targets() { return targets_; }
    TransferEngine& engine() { return *engine_; }
    Image& image() { return image_; }
    const i18n::MessageCatalogue& messages() const { return catalogue_; }

    // --- Events --------------------------------------------------------------------
    // The tick of the transfer engine, every kTickPeriodMs.
    void tick();
    // True while the tick has more to do than keep the clock label going: an
    // operation runs, the port's closing countdown runs, a message waits for the
    // next tick or the monitor view's report is on its way. Otherwise the tick may
    // rest (and come once a second for the clock while the window is shown).
    bool tickNeeded() const;
    // The window became the program's active window.
    void activate();
    // The hand-over from the device search: first the optional pages go, then the
    // page set of the device type code applies.
    void hideOptionalPages();
    void handOver(const Z4Handover& handover);
    // The user edited or clicked the control (the binder has stored the new value).
    void userChanged(const std::string& control);
    void menuClicked(const std::string& item);
    // The user chose a tab. The page left runs its leaving rule, the page shown its
    // refresh; a placeholder page sends the user to the first page instead.
    void pageSelected(const std::string& page);
    const std::string& activePage() const { return activePage_; }
    // The context menu of phone field 1 to 8: "Delete", "+3630" or "+3620".
    void phoneMenuClicked(int phone, const std::string& item);
    // The "CID/SMS" page: a click on row 1 to 159 of the event grid, and the popup
    // commands of the two grids.
    void eventRowSelected(int row);
    void loadDefaultEventCodes();
    void loadZoneTemplate();
    // The window is asked to close (BitBtn3, Kilps1, the window's close box). True
    // when it may: while an operation runs the user is asked first. On true the port
    // is closed and the operation abandoned.
    bool closeRequested();
    // Closes the window (the view sets it; its close box then asks closeRequested()).
    // Without it, BitBtn3 and Kilps1 ask closeRequested() directly.
    std::function<void()> closeWindow;
    // Shows a view of the menu bar modally (the view sets it); the view's controls are
    // up to date when it is called. Without it the menu items do nothing more.
    std::function<void(MenuView)> openView;
    MenuViews& menuViews() { return views_; }
    // Button1 "Rendben" of the window size view: stores the choice and tells the user
    // to restart. The view closes afterwards.
    void windowSizeConfirmed();
    // The diagnostic views: their operations and models, a click on one of their
    // buttons, and their closing (the status view stops polling, the monitor leaves
    // monitor mode, a log or chart read still running is abandoned).
    DiagnosticViews& diagnostics() { return *diagnostics_; }
    // The GSM modem operations: the phonebook page's buttons, the maintenance menu,
    // the SMS centre and balance views.
    GsmViews& gsm() { return *gsm_; }
    // Sounds, the data image and the firmware download.
    UploadViews& uploads() { return *uploads_; }
    // The user clicked a sound file field (Edit9, Edit13, Edit14, Edit15): a file is
    // chosen, offered for conversion when the module cannot play it, and checked.
    void soundFileClicked(const std::string& edit);
    // Closes a view the program closes itself (the firmware view after the download).
    std::function<void(MenuView)> closeView;
    // A click on a button of one of the views above (the diagnostic and GSM views).
    void diagnosticClicked(MenuView view, const std::string& control);
    void viewClosed(MenuView view);

    // --- What the view shows besides the controls ------------------------------------
    // Changes whenever something the view shows may have changed.
    unsigned revision() const { return revision_; }
    // How the first activation scales the window ("monitor"), once.
    std::optional<z4config::WindowScale> takeWindowScale();
    i18n::Language language() const { return language_; }
    int deviceType() const { return engine_->vars().deviceType; }
    bool companyFlag() const { return engine_->vars().company; }
    bool serviceMode() const { return serviceMode_; }
    // The search no longer holds the port (a device or the demo was handed over).
    bool channelReleased() const { return released_; }
    int brandCode() const { return brand_; }
    // The hand-over asked the module status view to hide its temperature field.
    bool statusTemperatureHidden() const { return statusTemperatureHidden_; }

private:
    // TransferListener: what the engine shows and asks.
    void setStatusPanel(int panel, const std::string& text) override;
    void setGaugeMax(int max) override;
    void setGaugeProgress(int progress) override;
    void setGaugeVisible(bool visible) override;
    void setTransferButtonsEnabled(bool enabled) override;
    void showTime(const ModuleClockTime& now) override;
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& question) override;
    void refreshEditorPages() override;
    void encodeImage() override;
    void decodeImage() override;
    void resetOutputTimeUnit() override;
    void applyControlEffects(const std::vector<ControlEffect>& effects) override;
    void closeFirmwareView() override;
    void beep() override { dialogs_.beep(); }
    void verified(const std::vector<VerifyDifference>& differences) override;

    // Activation steps (Z4ConfiguratorActivation.cpp).
    void applyLanguage();
    std::string readCompany();
    void checkServiceMode();
    void applyVerifySetting();
    void compareWithFile();
    void applyPersonalProfile();
    void chooseLanguage(i18n::Language language);
    z4config::EncodeContext encodeContext() const;

    void imageLoaded();
    void buttonClicked(const std::string& button);
    void leave();
    void keepNotYetAvailableDisabled();
    void showMenuView(MenuView view);
    void openDiagnosticView(MenuView view);
    // GSM modem operations (Z4ConfiguratorGsm.cpp).
    void connectGsm();
    bool gsmButtonClicked(const std::string& button);
    bool gsmMenuClicked(const std::string& item);
    void gsmViewClicked(MenuView view, const std::string& control);
    void saveSimNames();
    void openSimNames();
    void noteModemModeKept();
    std::string toModem(const std::string& utf8) const;
    // Uploads (Z4ConfiguratorUploads.cpp).
    void connectUploads();
    void openFirmwareView();
    bool uploadButtonClicked(const std::string& button);
    void uploadSound(SoundSlot slot, const std::string& path);
    void statusCycle(const StatusBlock& block, int length);
    std::string monitorSetting() const;
    // The current language's text of a message, for the parts that show messages.
    z4config::MessageLookup messageLookup() const;
    std::string startDirPath(const std::string& backslashName) const;
    std::string brandPicture() const;
    std::string brandKey() const;
    void changed() { ++revision_; }

    Dialogs& dialogs_;
    Z4ScreenEnvironment env_;
    int brand_;
    Image image_{};
    z4config::Z4Editor editor_;
    controls::ControlRegistry screen_;
    controls::ControlRegistry menus_;
    bool populated_;  // the screen's controls and menus exist before targets_ snapshots them
    ScreenTargets targets_;
    i18n::MessageCatalogue catalogue_;
    std::unique_ptr<TransferEngine> engine_;
    z4config::Z4ProfileMenu profiles_;
    MenuViews views_;
    std::unique_ptr<TcpReportClient> ownReportClient_;
    std::unique_ptr<DiagnosticViews> diagnostics_;
    std::unique_ptr<GsmViews> gsm_;
    std::unique_ptr<UploadViews> uploads_;
    i18n::Language language_ = i18n::Language::Hungarian;
    std::string activePage_;
    std::string searchCaption_;  // what Form1's Label3 shows (the customer field's default)
    unsigned revision_ = 0;
    std::optional<z4config::WindowScale> pendingScale_;
    bool released_ = false;
    bool serviceMode_ = false;
    bool statusTemperatureHidden_ = false;
};

}  // namespace vardeck::z4screen
