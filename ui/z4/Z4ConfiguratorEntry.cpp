// A bare configurator window with its caption; the editor pages and the transfer
// engine take its place in their own change.
#include "ui/z4/Z4ConfiguratorEntry.h"

#include "shell/Brand.h"

#include <QMainWindow>
#include <QStatusBar>

namespace vardeck::ui {
namespace {

class BareConfigurator : public Z4ConfiguratorEntry {
public:
    BareConfigurator() {
        window_.setObjectName("Z4Form1");
        window_.setWindowTitle(QString::fromStdString(currentBrand().configuratorCaption));
        window_.resize(800, 600);
    }
    void hideOptionalPages() override {}
    void handOver(const Z4Handover& handover) override {
        window_.statusBar()->showMessage(QString::fromStdString(handover.statusText));
        window_.show();
    }
    QWidget* window() override { return &window_; }

private:
    QMainWindow window_;
};

}  // namespace

std::unique_ptr<Z4ConfiguratorEntry> createZ4Configurator() { return std::make_unique<BareConfigurator>(); }

}  // namespace vardeck::ui
