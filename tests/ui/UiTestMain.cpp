#include <gtest/gtest.h>

#include <QApplication>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says for every window what it cannot do (raise, grab the
// keyboard, ...); that is no news in a test run.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed: the views are drawn offscreen unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
