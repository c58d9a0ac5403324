#include "sim/SimOptions.h"

#include "sim/DeviceCatalog.h"

#include <charconv>
#include <cmath>

namespace vardeck::sim {

namespace {

std::optional<long long> parseInteger(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::optional<double> parseProbability(const std::string& text) {
    try {
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        if (used != text.size() || !std::isfinite(value) || value < 0.0 || value > 1.0) return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string knownCodesText() {
    std::string text;
    for (int code : knownDeviceCodes()) text += (text.empty() ? "" : ", ") + std::to_string(code);
    return text;
}

}  // namespace

std::string simUsage() {
    return "usage: vardeck-sim --device CODE [--firmware N] [--memory FILE] [--link PATH] [--pace]\n"
           "                   [--drop P] [--corrupt P] [--noise P] [--delay-ms N] [--seed S] [--verbose]\n"
           "                   [--exit-with-parent]\n"
           "Simulates a device behind a pseudo-terminal and prints the terminal's path first.\n"
           "  --device CODE   device type code: " + knownCodesText() + "\n"
           "  --firmware N    firmware version in tenths of the Z-4 family (default 43)\n"
           "  --memory FILE   load the device memory from FILE, write it back at exit\n"
           "  --link PATH     make PATH a symbolic link to the terminal while running\n"
           "  --pace          send replies at the line speed the program set\n"
           "  --drop P, --corrupt P, --noise P   probability (0 to 1) per reply\n"
           "  --delay-ms N    delay every reply by N ms\n"
           "  --seed S        seed of the faults, for a reproducible run\n"
           "  --verbose       log frames received and sent on standard error\n"
           "  --exit-with-parent   end (as on SIGTERM) when the program that started this one ends\n";
}

std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args, std::string& error) {
    SimOptions options;
    bool deviceGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        auto integer = [&](long long low, long long high) -> std::optional<long long> {
            const std::string* text = value();
            if (!text) return std::nullopt;
            auto number = parseInteger(*text);
            if (!number || *number < low || *number > high) {
                error = arg + " takes a whole number from " + std::to_string(low) + " to " +
                        std::to_string(high) + ", not '" + *text + "'";
                return std::nullopt;
            }
            return number;
        };
        auto probability = [&](double& into) {
            const std::string* text = value();
            if (!text) return false;
            auto p = parseProbability(*text);
            if (!p) {
                error = arg + " takes a probability from 0 to 1, not '" + *text + "'";
                return false;
            }
            into = *p;
            return true;
        };

        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--device") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            auto code = parseInteger(*text);
            if (!code || !isKnownDeviceCode(static_cast<int>(*code))) {
                error = "unknown device type code '" + *text + "'; known codes: " + knownCodesText();
                return std::nullopt;
            }
            options.device = static_cast<int>(*code);
            deviceGiven = true;
        } else if (arg == "--firmware") {
            auto n = integer(0, 255);
            if (!n) return std::nullopt;
            options.firmware = static_cast<int>(*n);
        } else if (arg == "--memory" || arg == "--link") {
            const std::string* text = value();
            if (!text) return std::nullopt;
            if (text->empty()) {
                error = arg + " needs a path";
                return std::nullopt;
            }
            (arg == "--memory" ? options.memoryFile : options.linkPath) = *text;
        } else if (arg == "--pace") {
            options.pace = true;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--exit-with-parent") {
            options.exitWithParent = true;
        } else if (arg == "--drop") {
            if (!probability(options.faults.drop)) return std::nullopt;
        } else if (arg == "--corrupt") {
            if (!probability(options.faults.corrupt)) return std::nullopt;
        } else if (arg == "--noise") {
            if (!probability(options.faults.noise)) return std::nullopt;
        } else if (arg == "--delay-ms") {
            auto n = integer(0, 600000);
            if (!n) return std::nullopt;
            options.faults.delay = std::chrono::milliseconds(*n);
        } else if (arg == "--seed") {
            auto n = integer(0, 4294967295LL);
            if (!n) return std::nullopt;
            options.faults.seed = static_cast<uint32_t>(*n);
            options.seedGiven = true;
        } else {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
    }
    if (!deviceGiven && !options.help) {
        error = "--device CODE is required";
        return std::nullopt;
    }
    return options;
}

}  // namespace vardeck::sim
