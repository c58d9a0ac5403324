// The configurator screen: construction, the tick, the hand-over, the user's edits,
// clicks, menu commands and tab changes, and the close question.
#include "z4screen/Z4Configurator.h"

#include <algorithm>
#include <filesystem>

#include "serial/CommChannel.h"
#include "brand/Brand.h"
#include "brand/ModelTexts.h"
#include "settings/DataFolders.h"
#include "settings/Settings.h"
#include "settings/StartDir.h"
#include "controls/ScreenControls.h"
#include "z4link/TransferTexts.h"
#include "z4screen/BrandAdaptations.h"
#include "z4screen/ConfigurationDiff.h"
#include "z4screen/ConfiguratorControls.h"
#include "z4screen/PageSetup.h"

namespace vardeck::z4screen {

using namespace controls;

namespace {

z4config::SettingsAccess brandSettings(const std::string& key) {
    return {[key](const std::string& name) { return ReadSetting(key, name); },
            [key](const std::string& name, const std::string& text) { WriteSetting(key, name, text); }};
}

bool populate(ControlRegistry& screen, ControlRegistry& menus) {
    addScreenControls(screen);
    addMenuItems(menus);
    return true;
}

}  // namespace

Z4Configurator::Z4Configurator(CommChannel& channel, Dialogs& dialogs, Z4ScreenEnvironment environment)
    : dialogs_(dialogs),
      env_(std::move(environment)),
      brand_(env_.brandCode != 0 ? env_.brandCode : vardeck::brandCode()),
      editor_(z4config::kTypeTrix),
      populated_(populate(screen_, menus_)),
      targets_(editor_, screen_, menus_),
      profiles_(editor_, image_,
                z4config::ProfileEnvironment{&dialogs_, messageLookup(),
                                             brandSettings(brandInfo(brand_).brandKey), startDirPath("\\custom.dat"),
                                             brand_, brandInfo(brand_).programTitle}),
      views_(brand_, brandSettings(brandInfo(brand_).brandKey)) {
    editor_.attachDialogs(&dialogs_, messageLookup());

    TransferEnvironment te;
    te.portName = [this] { return ReadSetting(brandKey(), "comport"); };
    te.clock = env_.clock;
    te.channelReleased = [this] { return released_; };
    te.text = [this](TransferText id) { return catalogue_.text(hungarianTransferText(id)); };
    te.message = [this](const std::string& hungarian) { return catalogue_.text(hungarian); };
    TransferListener& listener = *this;
    engine_ = std::make_unique<TransferEngine>(channel, image_, listener, std::move(te));
    // Every reply may change what the window shows.
    auto engineRx = channel.OnRxChar;
    channel.OnRxChar = [this, engineRx](CommChannel& sender, int count) {
        if (engineRx) engineRx(sender, count);
        changed();
    };

    if (!env_.reportClient) {
        ownReportClient_ = std::make_unique<TcpReportClient>();
        env_.reportClient = ownReportClient_.get();
    }
    MonitorView::Environment monitorEnvironment{
        &dialogs_, messageLookup(), [this] { return engine_->now(); },
        [this] { return ReadSetting(brandKey(), "reportserver"); }, env_.reportClient};
    diagnostics_ = std::make_unique<DiagnosticViews>(*engine_, std::move(monitorEnvironment));
    diagnostics_->polling.onCycle = [this](const StatusBlock& block, int length) { statusCycle(block, length); };
    diagnostics_->monitor.onText = [this](std::string_view bytes) {
        diagnostics_->monitorView.appendModuleBytes(bytes);
    };

    gsm_ = std::make_unique<GsmViews>(*engine_, targets_.get<Grid>("StringGrid1"));
    connectGsm();
    uploads_ = std::make_unique<UploadViews>(*engine_, brandInfo(brand_).firmwareLabelText);
    connectUploads();

    auto& form = targets_.get<Form>("Z4Form1");
    form.setCaption(brandInfo(brand_).configuratorCaption);
    form.setColor(brand_ == 50 ? kButtonFace : kConfiguratorColor);
    applyBrandRearrangement(brand_, targets_);
    // Brand 1 shows its logo on the configurator as on the search view.
    targets_.get<Picture>("Image16").setVisible(brand_ == 1);
    activePage_ = kFirstPage;
}

Z4Configurator::~Z4Configurator() { engine_->shutdown(); }

std::string Z4Configurator::brandKey() const { return brandInfo(brand_).brandKey; }

void Z4Configurator::tick() {
    engine_->tick();
    MonitorView& monitor = diagnostics_->monitorView;
    if (monitor.reportPending()) {
        monitor.pollReport();
        if (!monitor.reportPending()) changed();
    }
}

bool Z4Configurator::tickNeeded() const {
    const TransferVariables& v = engine_->vars();
    return v.state != z4state::kIdle || v.portOpen || v.versionPopup != 0 ||
           diagnostics_->monitorView.reportPending();
}

// --- Hand-over -----------------------------------------------------------------------

void Z4Configurator::hideOptionalPages() {
    z4screen::hideOptionalPages(targets_);
    changed();
}

void Z4Configurator::handOver(const Z4Handover& handover) {
    released_ = true;
    statusTemperatureHidden_ = handover.hideTemperatureField;
    searchCaption_ = z4ModelTexts(brand_, handover.typeCode).label3;
    editor_.StatusBar1.setPanel(1, handover.statusText);
    engine_->setDeviceType(handover.typeCode);
    applyPageSet(handover.typeCode, targets_, editor_);
    if (handover.demoFirmwareVersion > 0) {
        engine_->setFirmwareVersion(handover.demoFirmwareVersion);
        editor_.setFirmwareVersion(handover.demoFirmwareVersion);
    }
    if (isPlaceholderPage(activePage_) || !targets_.find(activePage_)->visible()) activePage_ = kFirstPage;
    changed();
}

// --- The user's input --------------------------------------------------------------------

void Z4Configurator::userChanged(const std::string& name) {
    Control* control = targets_.find(name);
    if (!control || !control->enabled()) return;
    if (control->kind() == ControlKind::Button) {
        buttonClicked(name);
    } else {
        targets_.markEdited(name);
        editor_.userChanged(name);
        if (name == "CheckBox12") {
            gsm_->phonebook.setSize(targets_.get<CheckBox>("CheckBox12").checked() ? PhonebookStates::kLargeSize
                                                                                   : PhonebookStates::kSmallSize);
        }
    }
    changed();
}

void Z4Configurator::buttonClicked(const std::string& button) {
    if (gsmButtonClicked(button) || uploadButtonClicked(button)) return;
    if (button == "BitBtn1") {
        engine_->writeAll();
    } else if (button == "Button15") {
        targets_.get<Panel>("Panel28").setColor(kRed);
        targets_.get<Panel>("Panel32").setColor(kRed);
        engine_->writeAll();
    } else if (button == "Button14") {
        targets_.get<Panel>("Panel31").setColor(kRed);
        showMenuView(MenuView::Status);
    } else if (button == "BitBtn2") {
        engine_->readAll();
    } else if (button == "BitBtn3") {
        leave();
    } else if (button == "BitBtn4") {
        engine_->restart();
    } else if (button == "Button5") {
        engine_->lineSimulatorWrite();
    } else if (button == "Button16") {
        engine_->lifeSignalTest();
    } else if (button == "BitBtn7") {
        profiles_.saveProfile(encodeContext());
    } else if (button == "BitBtn8") {
        if (profiles_.openProfile()) imageLoaded();
    }
}

void Z4Configurator::menuClicked(const std::string& name) {
    auto* item = dynamic_cast<MenuItem*>(menus_.find(name));
    if (!item || !item->enabled()) return;
    if (gsmMenuClicked(name)) {
        changed();
        return;
    }
    if (name == "Olvass1") {
        engine_->readAll();
    } else if (name == "Elklds1") {
        engine_->writeAll();
    } else if (name == "jraindts1") {
        engine_->restart();
    } else if (name == "GSMsoftververzi1") {
        engine_->queryVersionFromMenu();
    } else if (name == "GSMraszinkronozsa1") {
        engine_->setClock();
    } else if (name == "Kilps1") {
        leave();
    } else if (name == "ilts1") {
        profiles_.togglePersonalProfileRefusal();
        item->setChecked(profiles_.personalProfileRefused());
    } else if (name == "Ments1") {
        profiles_.savePersonalProfile();
    } else if (name == "Help1") {
        profiles_.showHelp();
    } else if (name == "Verzi1") {
        profiles_.showVersion();
    } else if (name == "Bektsirajz1") {
        showMenuView(MenuView::Wiring);
    } else if (name == "eleptilers1") {
        showMenuView(MenuView::InstallerDescription);
    } else if (name == "Contact1") {
        showMenuView(MenuView::Contact);
    } else if (name == "Kpernyfelbontsbelltsa1") {
        showMenuView(MenuView::WindowSize);
    } else if (name == "Modulllapotmegjelentse1") {
        showMenuView(MenuView::Status);
    } else if (name == "Hibakeress1") {
        showMenuView(MenuView::Monitor);
    } else if (name == "Naplokiolvassa1") {
        showMenuView(MenuView::EventLog);
    } else if (name == "rer1") {
        showMenuView(MenuView::SignalChart);
    } else if (name == "Osszehasonlitas1") {
        compareWithFile();
    } else if (name == "IrasEllenorzese1") {
        // Verify after write: off unless the installer turns it on; kept in the settings.
        const bool on = !item->checked();
        item->setChecked(on);
        engine_->setVerifyAfterWrite(on);
        WriteSetting(brandKey(), "verify", on ? "1" : "0");
    } else if (name == "Szoftverfrissts1") {
        openFirmwareView();
    } else {
        for (i18n::Language language : {i18n::Language::Hungarian, i18n::Language::English, i18n::Language::German,
                                        i18n::Language::Slovenian}) {
            if (name == i18n::languageMenuItem(language)) chooseLanguage(language);
        }
    }
    changed();
}

// Each view is brought up to date as it opens: it is modal, so it is active from
// then until it closes.
void Z4Configurator::showMenuView(MenuView view) {
    switch (view) {
        case MenuView::Wiring: views_.wiring.activate(deviceType(), brand_); break;
        case MenuView::InstallerDescription: views_.installer.activate(deviceType()); break;
        case MenuView::Contact:
            views_.contact.activate(withInstalledDefault(startDirPath("\\contact.txt")), brandPicture(),
                                   messageLookup());
            break;
        case MenuView::WindowSize: {
            z4config::WindowSizeView& sizes = views_.windowSize;
            sizes.activate();
            // The view's texts by language; without one it shows its design text.
            auto text = [this](std::string_view control, const std::string& design) {
                const std::string given = targets_.viewText(i18n::Screen::WindowSizeView, control);
                return given.empty() ? design : given;
            };
            sizes.setCaption(text(i18n::kWindowSizeViewName, z4config::WindowSizeView::kDesignCaption));
            sizes.RadioGroup1.setCaption(text("RadioGroup1", z4config::WindowSizeView::kDesignGroupCaption));
            sizes.Button1.setCaption(text("Button1", z4config::WindowSizeView::kDesignButtonCaption));
            break;
        }
        case MenuView::Status:
        case MenuView::Monitor:
        case MenuView::EventLog:
        case MenuView::SignalChart: openDiagnosticView(view); break;
        // Their models are brought up to date by the menu actions that open them.
        case MenuView::SmsCentre:
        case MenuView::Balance:
        case MenuView::Firmware: break;
    }
    if (openView) openView(view);
}

void Z4Configurator::windowSizeConfirmed() {
    views_.windowSize.confirm(dialogs_, messageLookup());
    changed();
}

z4config::MessageLookup Z4Configurator::messageLookup() const {
    return [this](const std::string& key) { return catalogue_.text(key); };
}

std::string Z4Configurator::startDirPath(const std::string& backslashName) const {
    if (env_.startDir.empty()) return startDirFile(backslashName);
    std::string name = backslashName;
    std::replace(name.begin(), name.end(), '\\', '/');
    return env_.startDir + name;
}

// Brand 50's own logo when the start directory (or the installed defaults) has one,
// as on the search view.
std::string Z4Configurator::brandPicture() const {
    if (env_.brandPicture) return env_.brandPicture();
    if (brand_ != 50) return "logo";
    const std::string logo = withInstalledDefault(startDirPath("\\logo.jpg"));
    std::error_code ec;
    return std::filesystem::is_regular_file(logo, ec) ? logo : std::string("fallback");
}

void Z4Configurator::leave() {
    if (closeWindow) {
        closeWindow();
    } else {
        closeRequested();
    }
}

void Z4Configurator::pageSelected(const std::string& page) {
    if (page == activePage_ || !targets_.find(page)) return;
    if (auto left = editorPage(activePage_)) editor_.pageLeft(*left);
    // Leaving the sound page ends a sound upload that runs.
    if (activePage_ == "TabSheet22") uploads_->uploads.abandonSound();
    activePage_ = isPlaceholderPage(page) ? kFirstPage : page;
    if (auto shown = editorPage(activePage_)) editor_.refreshPage(*shown);
    changed();
}

void Z4Configurator::phoneMenuClicked(int phone, const std::string& item) {
    if (phone < 1 || phone > 8) return;
    editor_.phoneMenuClicked(phone, item);
    targets_.markEdited("MaskEdit" + std::to_string(phone));
    changed();
}

void Z4Configurator::eventRowSelected(int row) {
    if (row < 1 || row >= editor_.StringGrid3.rowCount()) return;
    editor_.selectEventRow(row);
    changed();
}

void Z4Configurator::loadDefaultEventCodes() {
    editor_.loadDefaultEventCodes();
    targets_.markEdited("StringGrid3");
    changed();
}

void Z4Configurator::loadZoneTemplate() {
    editor_.loadZoneTemplate();
    targets_.markEdited("StringGrid2");
    changed();
}

bool Z4Configurator::closeRequested() {
    const bool mayClose = engine_->confirmClose();
    if (mayClose) engine_->shutdown();
    changed();
    return mayClose;
}

void Z4Configurator::keepNotYetAvailableDisabled() {
    for (const std::string& name : notYetAvailableControls()) {
        if (Control* c = targets_.find(name)) c->setEnabled(false);
    }
}

}  // namespace vardeck::z4screen

namespace vardeck::z4screen {

// The editor against a configuration file (an image or a profile): the controls that
// differ, in the current language.
void Z4Configurator::compareWithFile() {
    auto path = dialogs_.chooseOpenFile("");
    if (!path) return;
    std::string reason;
    auto image = readConfigurationFile(*path, deviceType(), reason);
    if (!image) {
        dialogs_.showMessage(reason);
        return;
    }
    z4config::Z4Editor other(deviceType());
    other.setUpForDeviceType(deviceType());
    z4config::decodeImage(*image, other);
    other.adaptToFirmware(engine_->vars().firmwareVersion, brand_);
    const auto differences = diffEditors(editor_, other, language_);
    if (differences.empty()) {
        dialogs_.showMessage(catalogue_.text("Nincs eltérés"));
        return;
    }
    constexpr std::size_t kShown = 40;
    std::string text;
    for (std::size_t i = 0; i < differences.size() && i < kShown; ++i) {
        const ControlDifference& d = differences[i];
        text += d.name + (d.caption.empty() ? "" : " (" + d.caption + ")") + ": " + d.valueA + " -> " + d.valueB + "\n";
    }
    if (differences.size() > kShown) text += "... (" + std::to_string(differences.size()) + ")";
    dialogs_.showMessage(text);
}

}  // namespace vardeck::z4screen
