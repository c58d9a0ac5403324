#pragma once
#include "serial/AsynComm32.h"
#include "shell/SearchHost.h"
#include "shell/SearchScreens.h"
#include "settings/SettingsStore.h"
#include "ui/devices/ConverterEntry.h"
#include "ui/devices/GeofenceEntry.h"
#include "ui/devices/TrackerEntry.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vardeck::ui {

class ComprtView;
class Form10View;
class Form1View;
class Form8View;
class QtDialogs;
class ScreenSync;
class SyncingDispatcher;
class Z4ConfiguratorEntry;

// The vardeck program: creates every view before any is shown (the main view Form1
// first), then start() shows Form1, whose showing starts the device search, and the
// start timer leads on to the language view on the first start and to the search
// view. The program moves between the windows as the screen models ask
// (ShellNavigator) and hands an identified device to its screen (DispatchTarget).
//
// Showing a view is its activation. Closing Form1, the Z-4 configurator or a device
// screen, leaving the search view by its close box, and every way out of the port view
// end the program: programEnded() is emitted once and the windows are hidden.
class VardeckApp : public QObject, public ShellNavigator, public DispatchTarget {
    Q_OBJECT
public:
    struct Options {
        // From "--port DEVICE": overrides the stored "comport" for this run only.
        std::string port;
        // Divides the screens' timer intervals; 1 in the program, larger in tests
        // that need not wait the start timer's three real seconds.
        double timeScale = 1.0;
        // The dialogs the screens open; nullptr gives Qt's message boxes and file dialogs.
        Dialogs* dialogs = nullptr;
        // The USB serial devices of the port view; empty gives the system's.
        std::function<std::vector<SerialDeviceEntry>()> listSerialDevices;
        // Why the user's data folder could not be made the usable start directory
        // ("FOLDER: reason"); when set, start() says so once, in the interface language.
        std::string dataFolderProblem;
    };

    explicit VardeckApp(Options options);
    ~VardeckApp() override;
    VardeckApp(const VardeckApp&) = delete;
    VardeckApp& operator=(const VardeckApp&) = delete;

    // Shows Form1 with "Start...." and starts the screens' timers.
    void start();
    bool ended() const { return ended_; }

    // --- The screens and views ---------------------------------------------------
    SearchScreens& screens() { return *screens_; }
    Form1View& form1View() { return *form1View_; }
    Form8View& form8View() { return *form8View_; }
    Form10View& form10View() { return *form10View_; }
    ComprtView& comprtView() { return *comprtView_; }
    ConverterEntry& form5() { return *form5_; }
    GeofenceEntry& form7() { return *form7_; }
    TrackerEntry& traxomain() { return *traxomain_; }
    Z4ConfiguratorEntry& configurator() { return *configurator_; }
    TAsynComm32& searchChannel() { return *searchChannel_; }
    ScreenSync& sync() { return *sync_; }

    // --- ShellNavigator -------------------------------------------------------------
    void hideForm1() override;
    void showSearchView() override;
    void showLanguageView() override;
    void closeLanguageView() override;
    void showPortView() override;
    void endProgram() override;

    // --- DispatchTarget -------------------------------------------------------------
    void hideZ4OptionalPages() override;
    void openZ4Configurator(const Z4Handover& handover) override;
    void openForm5(int protocolState, const std::string& label3) override;
    void openForm7(int protocolState) override;
    void openTraxomain(int protocolState) override;
    void showForm1AsGprs() override;
    void closeSearchView() override;

signals:
    void programEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createViews();
    void connectWindows();
    void reportOpenError(int error, const std::string& portName);
    void showInLanguage(const char* hungarianText, const std::string& details);
    QList<QWidget*> windows() const;

    Options options_;
    std::shared_ptr<SettingsStore> storeBeforeOverride_;
    std::unique_ptr<ScreenSync> sync_;
    std::unique_ptr<SyncingDispatcher> dispatcher_;
    std::unique_ptr<QtDialogs> qtDialogs_;
    Dialogs* dialogs_ = nullptr;
    std::unique_ptr<TAsynComm32> searchChannel_;
    std::unique_ptr<TAsynComm32> portChannel_;
    std::unique_ptr<SearchScreens> screens_;
    std::unique_ptr<Form1View> form1View_;
    std::unique_ptr<Z4ConfiguratorEntry> configurator_;
    std::unique_ptr<ConverterEntry> form5_;
    std::unique_ptr<TrackerEntry> traxomain_;
    std::unique_ptr<GeofenceEntry> form7_;
    std::unique_ptr<Form8View> form8View_;
    std::unique_ptr<Form10View> form10View_;
    std::unique_ptr<ComprtView> comprtView_;
    bool ended_ = false;
    bool openErrorShown_ = false;
};

}  // namespace vardeck::ui
