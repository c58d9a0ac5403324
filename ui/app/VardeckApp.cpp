#include "ui/app/VardeckApp.h"

#include "i18n/Language.h"
#include "i18n/MessageCatalogue.h"
#include "serial/OpenErrors.h"
#include "brand/Brand.h"
#include "shell/PortTable.h"
#include "settings/Settings.h"
#include "settings/StartDir.h"
#include "ui/QtDialogs.h"
#include "ui/ScreenSync.h"
#include "ui/app/PortOverrideStore.h"
#include "ui/devices/TrackerEntry.h"
#include "ui/views/ComprtView.h"
#include "ui/views/Form10View.h"
#include "ui/views/Form1View.h"
#include "ui/views/Form8View.h"
#include "ui/z4/Z4ConfiguratorEntry.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <cerrno>

// The pictures are compiled into the static view library; naming their initialisers
// keeps the linker from leaving them out.
static void initViewResources() {
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(ui);
}

namespace vardeck::ui {
namespace {
constexpr const char* kPortPermissionAdvice =
    "Nincs jogosultság a soros port használatához. Adja hozzá a felhasználót a dialout csoporthoz "
    "(sudo usermod -aG dialout $USER), majd jelentkezzen be újra.";
constexpr const char* kDataFolderProblem =
    "A felhasználói adatmappa nem használható: a saját profil és a többi saját fájl nem menthető oda.";
}  // namespace

VardeckApp::VardeckApp(Options options) : options_(std::move(options)) {
    initViewResources();
    // What creating the main view does first: the start directory, and the user's
    // table of which device stands behind a COM port number.
    recordStartDir();
    installComPortTable();
    storeBeforeOverride_ = overrideStoredPort(currentBrand().brandKey, options_.port);

    sync_ = std::make_unique<ScreenSync>(options_.timeScale);
    dispatcher_ = std::make_unique<SyncingDispatcher>(sync_.get(), *sync_);
    if (!options_.dialogs) qtDialogs_ = std::make_unique<QtDialogs>();
    dialogs_ = options_.dialogs ? options_.dialogs : qtDialogs_.get();
    searchChannel_ = std::make_unique<TAsynComm32>(*dispatcher_);
    portChannel_ = std::make_unique<TAsynComm32>(*dispatcher_);
    searchChannel_->OnOpen = [this](CommChannel& channel, int, int error) {
        reportOpenError(error, channel.DeviceName());
    };

    SearchEnvironment env = programSearchEnvironment(*dialogs_, *this, *this);
    if (options_.listSerialDevices) env.listSerialDevices = options_.listSerialDevices;
    screens_ = std::make_unique<SearchScreens>(*searchChannel_, *portChannel_, env);
    createViews();
    connectWindows();
}

VardeckApp::~VardeckApp() {
    // No line event may reach a screen that is going away.
    searchChannel_->Close();
    portChannel_->Close();
    if (storeBeforeOverride_) installSettingsStore(storeBeforeOverride_);
}

void VardeckApp::createViews() {
    form1View_ = std::make_unique<Form1View>(screens_->form1, *sync_);
    Z4ConfiguratorOptions configuratorOptions;
    configuratorOptions.dialogs = dialogs_;
    // Some brands rename Form1's Label3 when the configurator is activated.
    configuratorOptions.setSearchCaption = [this](const std::string& text) {
        sync_->handle([this, text] { screens_->form1.Label3.setCaption(text); });
    };
    configurator_ = createZ4Configurator(configuratorOptions);
    form5_ = std::make_unique<ConverterEntry>(*sync_, *dialogs_, [this] { return screens_->form1.channelMarkedOpen(); },
                                              brandCode());
    form7_ = std::make_unique<GeofenceEntry>(*sync_, *dialogs_, [this] { return screens_->form1.channelMarkedOpen(); },
                                             brandCode());
    traxomain_ = std::make_unique<TrackerEntry>(*dispatcher_, *sync_, *dialogs_, brandCode(),
                                                [this] { return screens_->form1.channelMarkedOpen(); });
    form8View_ = std::make_unique<Form8View>(screens_->form8, *sync_);
    form10View_ = std::make_unique<Form10View>(screens_->form10, *sync_);
    comprtView_ = std::make_unique<ComprtView>(screens_->comprt, *sync_);
}

void VardeckApp::connectWindows() {
    SearchScreens& s = *screens_;
    form1View_->onShown = [&s] { s.form1.FormActivate(); };
    form1View_->onClose = [this] {
        endProgram();
        return true;
    };
    form8View_->onShown = [&s] { s.form8.FormActivate(); };
    // Leaving the search view by its close box leaves no window to go on with.
    form8View_->onClose = [this, &s] {
        s.form8.FormClose();
        endProgram();
        return true;
    };
    form10View_->onClose = [&s] {
        s.form10.FormClose();
        return true;
    };
    comprtView_->onShown = [&s] { s.comprt.FormActivate(); };
    comprtView_->onClose = [this, &s] {
        if (!ended_) s.comprt.BitBtn3Click();
        return true;
    };
    // The configurator and the device screens end the program when closed.
    for (QWidget* window : {configurator_->window(), form5_->window(), form7_->window(), traxomain_->window()}) {
        if (window) window->installEventFilter(this);
    }
}

void VardeckApp::start() {
    form1View_->show();
    sync_->addTimers(screens_->form1.timers());
    sync_->addTimers(screens_->startup.timers());
    sync_->addTimers(screens_->form8.timers());
    sync_->addTimers(screens_->comprt.timers());
    sync_->sync();
    if (!options_.dataFolderProblem.empty()) showInLanguage(kDataFolderProblem, options_.dataFolderProblem);
}

bool VardeckApp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && !ended_) {
        // The window may still refuse to close (a question to the user); look once it
        // has had its say.
        QPointer<QWidget> window = qobject_cast<QWidget*>(watched);
        QTimer::singleShot(0, this, [this, window] {
            if (window && !window->isVisible()) endProgram();
        });
    }
    return QObject::eventFilter(watched, event);
}

void VardeckApp::reportOpenError(int error, const std::string& portName) {
    // Without the right to use serial devices the search would run on silently for
    // ever: say once what is wrong and how to put it right.
    if ((error != EACCES && error != EPERM) || openErrorShown_) return;
    openErrorShown_ = true;
    showInLanguage(kPortPermissionAdvice, describeOpenError(error, portName));
}

// A message in the interface language, then the system's details, once the event
// loop runs.
void VardeckApp::showInLanguage(const char* hungarianText, const std::string& details) {
    i18n::MessageCatalogue messages;
    messages.apply(i18n::languageFromSetting(ReadSetting(brandInfo(brandCode()).brandKey, "Language")));
    const std::string text = messages.text(hungarianText) + "\n\n" + details;
    QTimer::singleShot(0, this, [this, text] { sync_->handle([this, &text] { dialogs_->showMessage(text); }); });
}

QList<QWidget*> VardeckApp::windows() const {
    return {form1View_.get(), configurator_->window(), form5_->window(), form7_->window(), traxomain_->window(),
            form8View_.get(), form10View_.get(), comprtView_.get()};
}

// --- ShellNavigator ---------------------------------------------------------------

void VardeckApp::hideForm1() { form1View_->hide(); }

void VardeckApp::showSearchView() {
    form8View_->show();
    form8View_->raise();
    form8View_->activateWindow();
}

void VardeckApp::showLanguageView() {
    form10View_->show();
    form10View_->raise();
}

void VardeckApp::closeLanguageView() { form10View_->hide(); }

void VardeckApp::showPortView() {
    comprtView_->show();
    comprtView_->raise();
    comprtView_->activateWindow();
}

void VardeckApp::endProgram() {
    if (ended_) return;
    ended_ = true;
    searchChannel_->Close();
    portChannel_->Close();
    for (QWidget* window : windows()) {
        if (window) window->hide();
    }
    emit programEnded();
}

// --- DispatchTarget ---------------------------------------------------------------

void VardeckApp::hideZ4OptionalPages() { configurator_->hideOptionalPages(); }

void VardeckApp::openZ4Configurator(const Z4Handover& handover) { configurator_->handOver(handover); }

void VardeckApp::openForm5(int, const std::string& label3) {
    // The converter's screen always starts with its version question (state 1).
    form5_->handOver(label3);
}

void VardeckApp::openForm7(int) {
    // The geofence unit's screen always starts with its version question (state 1).
    form7_->handOver();
}

void VardeckApp::openTraxomain(int) {
    // The search hands the tracker over idle (state 0).
    traxomain_->handOver();
}

void VardeckApp::showForm1AsGprs() {
    form1View_->show();
    form1View_->raise();
}

void VardeckApp::closeSearchView() { form8View_->hide(); }

}  // namespace vardeck::ui
