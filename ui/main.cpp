#include "brand/Brand.h"
#include "ui/app/CommandLine.h"
#include "ui/app/ProgramIcon.h"
#include "ui/app/VardeckApp.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Vardeck");
    // Every window without an icon of its own shows the brand's.
    QApplication::setWindowIcon(vardeck::ui::programIcon(vardeck::brandCode()));
    std::string error;
    const std::optional<vardeck::ui::CommandLine> line = vardeck::ui::parseCommandLine(QApplication::arguments(), error);
    if (!line) {
        std::fprintf(stderr, "vardeck: %s\n%s", error.c_str(), vardeck::ui::kCommandLineUsage);
        return 2;
    }
    if (line->help) {
        std::fputs(vardeck::ui::kCommandLineUsage, stdout);
        return 0;
    }
    // Windows come and go as the screens hand over to each other (between the
    // language view and the search view none is shown); the program ends when a
    // screen ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    vardeck::ui::VardeckApp::Options options;
    options.port = line->port;
    vardeck::ui::VardeckApp program(options);
    QObject::connect(&program, &vardeck::ui::VardeckApp::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app.exec();
}
