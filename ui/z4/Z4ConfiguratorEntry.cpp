// The configurator of the program: its own serial channel, the screen model on it and
// the window over the model. The window is created hidden; the hand-over shows it.
#include "ui/z4/Z4ConfiguratorEntry.h"

#include "serial/AsynComm32.h"
#include "ui/QtDialogs.h"
#include "ui/QtDispatcher.h"
#include "ui/z4/Z4ConfiguratorWindow.h"
#include "z4screen/Z4Configurator.h"

#include <QObject>

namespace vardeck::ui {
namespace {

class ProgramConfigurator : public Z4ConfiguratorEntry {
public:
    explicit ProgramConfigurator(Z4ConfiguratorOptions options)
        : dispatcher_(&context_),
          channel_(dispatcher_),
          dialogs_(options.dialogs ? options.dialogs : &qtDialogs_),
          model_(channel_, *dialogs_, environment(options)),
          window_(model_) {}

    ~ProgramConfigurator() override {
        // No line event may reach the screen once it is going away.
        channel_.Close();
    }

    void hideOptionalPages() override {
        model_.hideOptionalPages();
        window_.refresh();
    }

    void handOver(const Z4Handover& handover) override {
        model_.handOver(handover);
        window_.refresh();
        window_.widenForPages();
        window_.show();
        window_.raise();
        window_.activateWindow();
    }

    QWidget* window() override { return &window_; }

private:
    static z4screen::Z4ScreenEnvironment environment(const Z4ConfiguratorOptions& options) {
        z4screen::Z4ScreenEnvironment env;
        env.setSearchCaption = options.setSearchCaption;
        env.brandCode = options.brandCode;
        env.startDir = options.startDir;
        return env;
    }

    QObject context_;  // the GUI thread's receiver of the channel's line events
    QtDispatcher dispatcher_;
    TAsynComm32 channel_;
    QtDialogs qtDialogs_;
    Dialogs* dialogs_;
    z4screen::Z4Configurator model_;
    z4::Z4ConfiguratorWindow window_;
};

}  // namespace

std::unique_ptr<Z4ConfiguratorEntry> createZ4Configurator(Z4ConfiguratorOptions options) {
    return std::make_unique<ProgramConfigurator>(std::move(options));
}

}  // namespace vardeck::ui
