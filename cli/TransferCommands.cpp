// vardeck-cli identify / read / write: the Z-4 transfer engine on a serial port,
// without a window.
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

#include "cli/CliCommand.h"
#include "cli/SessionArgs.h"
#include "serial/AsynComm32.h"
#include "serial/EventLoop.h"
#include "brand/Brand.h"
#include "z4link/Frame.h"
#include "z4link/TransferSession.h"

namespace vardeck::cli {
namespace {

using namespace std::chrono_literals;
using Outcome = TransferSession::Outcome;

constexpr int kDefaultIdentifyTimeoutMs = 3000;
constexpr int kIdentifyRepeatMs = 150;  // the device search's frame interval
constexpr int kDefaultTransferTimeoutS = 600;

constexpr const char* kIdentifyUsage =
    "  identify --port P [--timeout-ms N] [--verbose]\n"
    "                                          print the device type code of the module on P; the\n"
    "                                          identification frame goes out every 150 ms until a\n"
    "                                          valid answer comes; exits 2 when none came within N\n"
    "                                          ms (default 3000), 1 when P cannot be opened;\n"
    "                                          --verbose says on stderr whether the USB adapter's\n"
    "                                          low-latency mode is on";
constexpr const char* kReadUsage =
    "  read --port P --type CODE --out IMAGE [--firmware N] [--timeout-s N] [--verbose]\n"
    "                                          read the configuration of the Z-4 module (CODE 70,\n"
    "                                          71, 80, 90, 100) into the 8192-byte file IMAGE (bytes\n"
    "                                          the method does not read stay 0); the firmware\n"
    "                                          version is asked first unless given as N (tenths);\n"
    "                                          progress on stderr; exits 3 when the module does not\n"
    "                                          answer or the read takes longer than N s (default\n"
    "                                          600), 1 when P or IMAGE cannot be used; --verbose as\n"
    "                                          for identify";
constexpr const char* kWriteUsage =
    "  write --port P --type CODE --in IMAGE [--company] [--verify] [--firmware N] [--timeout-s N]\n"
    "                                          write the 8192-byte IMAGE to the module as it stands\n"
    "                                          (positions the module keeps for itself are left out;\n"
    "                                          --company writes the company bytes 384-399 too), then\n"
    "                                          set the module clock from the PC clock; --verify then\n"
    "                                          reads the written bytes back, prints each difference\n"
    "                                          (address, written, read back) and exits 4 when there\n"
    "                                          is one; other exit codes as for read";

// --- identify -------------------------------------------------------------------

void printLowLatency(LowLatencyState state) { std::cerr << "low latency: " << lowLatencyText(state) << "\n"; }

// The answer to the identification frame (a read of byte 0x00FF) somewhere in
// what came: the acknowledge marker, the echo of 0xFF, a valid checksum.
std::optional<int> findTypeCode(const std::vector<uint8_t>& rx) {
    for (std::size_t i = 0; i + kFrameSize <= rx.size(); ++i) {
        const uint8_t* f = rx.data() + i;
        if (f[0] == 0xAB && f[2] == 0xFF && frameIsValid(f)) return f[3];
    }
    return std::nullopt;
}

int runIdentify(const std::vector<std::string>& raw) {
    Args a;
    try {
        a = parseArgs(raw);
        requireNoPositional(a);
    } catch (const UsageError& e) {
        return usage("identify", e.message, kIdentifyUsage);
    }
    EventLoop loop;
    TAsynComm32 port(loop);
    port.SetDeviceName(*a.port);
    int openError = 0;
    port.OnOpen = [&](CommChannel&, int, int error) { openError = error; };
    std::vector<uint8_t> rx;
    port.OnRxChar = [&](CommChannel& ch, int count) {
        uint8_t buffer[256];
        while (count > 0) {
            const int n = ch.Read(buffer, std::min<int>(count, sizeof buffer));
            if (n <= 0) break;
            rx.insert(rx.end(), buffer, buffer + n);
            count -= n;
        }
        // Noise before an answer is harmless, but the buffer never grows without bound.
        if (rx.size() > 4096) rx.erase(rx.begin(), rx.end() - kFrameSize);
    };
    port.Open();
    if (!port.IsOpen()) {
        std::cerr << "vardeck-cli identify: cannot open " << *a.port << ": " << std::strerror(openError) << "\n";
        return kExitFailure;
    }
    if (a.verbose) printLowLatency(port.LowLatency());
    const int timer = loop.startTimer(kIdentifyRepeatMs, [&] {
        rx.clear();
        port.Write(kIdentificationFrame.data(), static_cast<int>(kIdentificationFrame.size()));
    });
    port.Write(kIdentificationFrame.data(), static_cast<int>(kIdentificationFrame.size()));
    const auto deadline = std::chrono::milliseconds(a.timeoutMs.value_or(kDefaultIdentifyTimeoutMs));
    const bool answered = loop.runUntil([&] { return findTypeCode(rx).has_value(); }, deadline);
    loop.stopTimer(timer);
    std::optional<int> code = findTypeCode(rx);
    port.Close();
    if (!answered || !code) {
        std::cerr << "vardeck-cli identify: no answer on " << *a.port << "\n";
        return kExitUsage;  // documented: 2 when nothing answers
    }
    std::cout << *code << "\n";
    return 0;
}

// --- read and write -----------------------------------------------------------------

// Prints the operation texts and the gauge in tenths on stderr.
void reportProgress(TransferSession& session) {
    session.onStatus = [](const std::string& text) { std::cerr << text << "\n"; };
    auto lastTenth = std::make_shared<int>(-1);
    session.onProgress = [lastTenth](int progress, int max) {
        if (max <= 0) return;
        const int tenth = progress * 10 / max;
        if (tenth == *lastTenth) return;
        *lastTenth = tenth;
        std::cerr << "  " << progress << "/" << max << "\n";
    };
}

// The arguments of read and write; a usage exit code when they are wrong.
std::optional<int> parseTransferArgs(const std::vector<std::string>& raw, const std::string& command,
                                     const char* usageText, const char* fileOption, Args& a) {
    try {
        a = parseArgs(raw);
        requireType(a);
        requireNoPositional(a);
        if (!(fileOption == std::string("--out") ? a.out : a.in)) throw UsageError{std::string(fileOption) + " is missing"};
    } catch (const UsageError& e) {
        return usage(command, e.message, usageText);
    }
    return std::nullopt;
}

// Settles the firmware version, then runs the operation with progress on stderr.
int transfer(TransferSession& session, const Args& a, const std::string& command,
             Outcome (TransferSession::*operation)(std::chrono::milliseconds)) {
    reportProgress(session);
    if (auto failed = prepare(session, a, command)) return *failed;
    const auto deadline = std::chrono::seconds(a.timeoutS.value_or(kDefaultTransferTimeoutS));
    return finish(session, (session.*operation)(deadline), a, command);
}

int runRead(const std::vector<std::string>& raw) {
    Args a;
    if (auto wrong = parseTransferArgs(raw, "read", kReadUsage, "--out", a)) return *wrong;
    TransferSession session(sessionOptions(a));
    if (a.verbose) {
        // Once, at the first open: the port opens again for the read itself.
        session.onPortOpened = [&session] {
            printLowLatency(session.lowLatency());
            session.onPortOpened = nullptr;
        };
    }
    if (const int code = transfer(session, a, "read", &TransferSession::readAll)) return code;

    std::ofstream out(*a.out, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(session.image().data()), TransferEngine::kImageSize);
    out.close();
    if (!out) {
        std::cerr << "vardeck-cli read: cannot write " << *a.out << ": " << std::strerror(errno) << "\n";
        return kExitFailure;
    }
    return 0;
}

int runWrite(const std::vector<std::string>& raw) {
    Args a;
    if (auto wrong = parseTransferArgs(raw, "write", kWriteUsage, "--in", a)) return *wrong;
    std::ifstream in(*a.in, std::ios::binary);
    std::vector<char> bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (bytes.size() != static_cast<std::size_t>(TransferEngine::kImageSize)) {
        std::cerr << "vardeck-cli write: " << *a.in << " is not an image of " << TransferEngine::kImageSize
                  << " bytes\n";
        return kExitFailure;
    }
    TransferSession session(sessionOptions(a));
    std::copy(bytes.begin(), bytes.end(), session.image().begin());
    session.engine().setVerifyAfterWrite(a.verify);
    const int code = transfer(session, a, "write", &TransferSession::writeAll);
    if (!a.verify) return code;
    if (code == kExitNoAnswer && session.engine().verifying()) {
        std::cerr << "vardeck-cli write: verify not completed\n";
        return code;
    }
    if (code != 0) return code;
    const auto& differences = session.engine().verifyDifferences();
    for (const VerifyDifference& d : differences) {
        std::printf("%u written 0x%02X read back 0x%02X\n", static_cast<unsigned>(d.address), d.written, d.readBack);
    }
    if (!differences.empty()) {
        std::cerr << "vardeck-cli write: verify failed at " << differences.size() << " position(s)\n";
        return kExitVerifyFailed;
    }
    std::cerr << "verified\n";
    return 0;
}

CliRegistrar identifyCommand("identify", kIdentifyUsage, runIdentify);
CliRegistrar readCommand("read", kReadUsage, runRead);
CliRegistrar writeCommand("write", kWriteUsage, runWrite);

}  // namespace
}  // namespace vardeck::cli
