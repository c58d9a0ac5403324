#include "bench/ui/BenchSupport.h"

#include <QApplication>

#include <unistd.h>

#include <atomic>
#include <cstdlib>

#include "brand/Brand.h"
#include "settings/Settings.h"

namespace vardeck::bench {
namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says for every window what it cannot do (raise, grab the
// keyboard, ...); that is no news in a measurement.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    defaultHandler(type, context, message);
}

}  // namespace

void ensureApplication() {
    static int argc = 1;
    static char name[] = "vardeck-bench";
    static char* argv[] = {name, nullptr};
    // Made once and never destroyed: a QApplication destroyed by the exit handlers,
    // after main has returned, crashed in its destructor.
    static QApplication* app = nullptr;
    if (app) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietOffscreen);
    app = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
}

BenchSettings::BenchSettings() {
    static std::atomic<int> made{0};
    folder_ = std::filesystem::temp_directory_path() /
              ("vardeck-bench-" + std::to_string(::getpid()) + "-" + std::to_string(made++));
    std::filesystem::create_directories(folder_);
    ::setenv("VARDECK_SETTINGS", file().c_str(), 1);
    WriteSetting(currentBrand().brandKey, "Language", "0");
}

BenchSettings::~BenchSettings() {
    ::unsetenv("VARDECK_SETTINGS");
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

}  // namespace vardeck::bench
