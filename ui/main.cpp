#include "brand/Brand.h"
#include "brand/ProgramVersion.h"
#include "settings/DataFolders.h"
#include "ui/app/CommandLine.h"
#include "ui/app/ProgramIcon.h"
#include "ui/app/ShownWindowLog.h"
#include "ui/app/VardeckApp.h"

#include <QApplication>

#include <cstdio>

namespace {

// The text --help or --version asks for; empty for a run of the program.
std::string answerOnly(const vardeck::ui::CommandLine& line) {
    if (line.help) return vardeck::ui::kCommandLineUsage;
    if (line.version) return vardeck::versionLine("vardeck");
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    // --help and --version answer before Qt looks for a display, so that they work
    // from a terminal without one.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
    if (const auto early = vardeck::ui::parseCommandLine(rawArguments, error); early && !answerOnly(*early).empty()) {
        std::fputs(answerOnly(*early).c_str(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    vardeck::ui::logShownWindowsWhenAsked(app);
    QApplication::setApplicationDisplayName("Vardeck");
    QApplication::setDesktopFileName(vardeck::kDesktopId);
    // Every window without an icon of its own shows the brand's.
    QApplication::setWindowIcon(vardeck::ui::programIcon(vardeck::brandCode()));
    const std::optional<vardeck::ui::CommandLine> line = vardeck::ui::parseCommandLine(QApplication::arguments(), error);
    if (!line) {
        std::fprintf(stderr, "vardeck: %s\n%s", error.c_str(), vardeck::ui::kCommandLineUsage);
        return 2;
    }
    if (const std::string answer = answerOnly(*line); !answer.empty()) {
        std::fputs(answer.c_str(), stdout);
        return 0;
    }
    // Windows come and go as the screens hand over to each other (between the
    // language view and the search view none is shown); the program ends when a
    // screen ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    vardeck::ui::VardeckApp::Options options;
    options.port = line->port;
    // Before the program records its start directory: the user's data folder becomes it.
    if (line->userData) options.dataFolderProblem = vardeck::enterDataFolder(vardeck::userDataFolder()).problem;
    vardeck::ui::VardeckApp program(options);
    QObject::connect(&program, &vardeck::ui::VardeckApp::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start();
    return app.exec();
}
