#include "ui/app/CommandLine.h"

namespace vardeck::ui {

std::optional<CommandLine> parseCommandLine(const QStringList& arguments, std::string& error) {
    CommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--user-data") {
            line.userData = true;
        } else if (arg == "--port") {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                error = "--port needs a device";
                return std::nullopt;
            }
            line.port = arguments[++i].toStdString();
        } else if (arg.startsWith("--port=")) {
            line.port = arg.mid(7).toStdString();
            if (line.port.empty()) {
                error = "--port needs a device";
                return std::nullopt;
            }
        } else {
            error = "unknown argument: " + arg.toStdString();
            return std::nullopt;
        }
    }
    return line;
}

}  // namespace vardeck::ui
