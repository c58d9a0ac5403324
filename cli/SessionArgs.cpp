#include "cli/SessionArgs.h"

#include <cstring>
#include <iostream>

namespace vardeck::cli {
namespace {

constexpr auto kVersionDeadline = std::chrono::seconds(5);
using Outcome = TransferSession::Outcome;

}  // namespace

int parseNumber(const std::string& option, const std::string& text) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size() && value >= 0) return value;
    } catch (const std::exception&) {
    }
    throw UsageError{option + " needs a number, not \"" + text + "\""};
}

Args parseArgs(const std::vector<std::string>& args) {
    Args a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& o = args[i];
        if (o == "--company") {
            a.company = true;
            continue;
        }
        if (o == "--csv" || o == "--data" || o == "--voice" || o == "--verify") {
            (o == "--csv" ? a.csv : o == "--data" ? a.data : o == "--voice" ? a.voice : a.verify) = true;
            continue;
        }
        if (o == "--old-format") {
            a.oldFormat = true;
            continue;
        }
        if (o == "--verbose") {
            a.verbose = true;
            continue;
        }
        if (o.rfind("--", 0) != 0) {
            a.positional.push_back(o);
            continue;
        }
        if (i + 1 >= args.size()) throw UsageError{"unexpected \"" + o + "\""};
        const std::string& v = args[++i];
        if (o == "--port") a.port = v;
        else if (o == "--out") a.out = v;
        else if (o == "--in") a.in = v;
        else if (o == "--report") a.report = v;
        else if (o == "--imei") a.imei = v;
        else if (o == "--text") a.text = v;
        else if (o == "--pin") a.pin = v;
        else if (o == "--slot") a.slot = v;
        else if (o == "--file") a.file = v;
        else if (o == "--file-version") a.fileVersion = parseNumber(o, v);
        else if (o == "--size") a.size = parseNumber(o, v);
        else if (o == "--type") a.type = parseNumber(o, v);
        else if (o == "--firmware") a.firmware = parseNumber(o, v);
        else if (o == "--timeout-ms") a.timeoutMs = parseNumber(o, v);
        else if (o == "--timeout-s") a.timeoutS = parseNumber(o, v);
        else if (o == "--count") a.count = parseNumber(o, v);
        else if (o == "--seconds") a.seconds = parseNumber(o, v);
        else throw UsageError{"unknown option \"" + o + "\""};
    }
    if (!a.port) throw UsageError{"--port is missing"};
    return a;
}

int usage(const std::string& command, const std::string& message, const char* text) {
    std::cerr << "vardeck-cli " << command << ": " << message << "\n" << text << "\n";
    return kExitUsage;
}

bool validType(int code) { return code == 70 || code == 71 || code == 80 || code == 90 || code == 100; }

void requireType(const Args& a) {
    if (!a.type || !validType(*a.type)) throw UsageError{"--type must be 70, 71, 80, 90 or 100"};
}

void requireNoPositional(const Args& a) {
    if (!a.positional.empty()) throw UsageError{"unexpected \"" + a.positional.front() + "\""};
}

TransferSession::Options sessionOptions(const Args& a) {
    TransferSession::Options o;
    o.port = *a.port;
    o.deviceType = *a.type;
    o.company = a.company;
    return o;
}

std::optional<int> prepare(TransferSession& session, const Args& a, const std::string& command) {
    if (a.firmware) {
        session.engine().setFirmwareVersion(*a.firmware);
        return std::nullopt;
    }
    const Outcome outcome = session.queryVersion(kVersionDeadline);
    if (outcome == Outcome::OpenFailed) {
        std::cerr << "vardeck-cli " << command << ": cannot open " << *a.port << ": "
                  << std::strerror(session.openError()) << "\n";
        return kExitFailure;
    }
    if (outcome != Outcome::Done) {
        std::cerr << "vardeck-cli " << command << ": no answer from the module on " << *a.port << "\n";
        return kExitNoAnswer;
    }
    std::cerr << "firmware version " << session.engine().vars().firmwareVersion << "\n";
    return std::nullopt;
}

int finish(TransferSession& session, Outcome outcome, const Args& a, const std::string& command) {
    if (outcome == Outcome::OpenFailed) {
        std::cerr << "vardeck-cli " << command << ": cannot open " << *a.port << ": "
                  << std::strerror(session.openError()) << "\n";
        return kExitFailure;
    }
    if (outcome == Outcome::TimedOut) {
        std::cerr << "vardeck-cli " << command << ": timed out (last status: \"" << session.status() << "\")\n";
        return kExitNoAnswer;
    }
    return 0;
}

}  // namespace vardeck::cli
