// vardeck-cli gsm: the GSM modem operations of the configurator through the module's
// modem mode, without a window. Progress and notes on stderr, results on stdout.
#include <iostream>
#include <string>

#include "cli/CliCommand.h"
#include "cli/SessionArgs.h"
#include "z4config/Cp1250.h"
#include "z4config/ProfileFiles.h"
#include "z4config/SimNameFile.h"
#include "controls/Utf8.h"
#include "z4link/GsmCommandStates.h"
#include "z4link/GsmModeStates.h"
#include "z4link/LeaveModeStates.h"
#include "z4link/PhonebookStates.h"

namespace vardeck::cli {
namespace {

using namespace std::chrono_literals;
using Outcome = TransferSession::Outcome;

constexpr const char* kGsmUsage =
    "  gsm phonebook read  --port P --type CODE [--size 100|250] --out FILE.sim\n"
    "  gsm phonebook write --port P --type CODE [--size 100|250] --in FILE.sim\n"
    "  gsm pin-off --port P --type CODE --pin NNNN\n"
    "  gsm sms-centre --port P --type CODE NUMBER\n"
    "  gsm balance --port P --type CODE\n"
    "  gsm imei --port P --type CODE\n"
    "  gsm call --port P --type CODE (--data|--voice) NUMBER\n"
    "  gsm sms --port P --type CODE NUMBER\n"
    "                                          the SIM card and modem through the module's GSM\n"
    "                                          modem mode (all take --firmware N and --timeout-s N);\n"
    "                                          the SIM name file is the window's; a note on stderr\n"
    "                                          says when the module stays in GSM modem mode and\n"
    "                                          needs a restart; exit codes as for read";

constexpr int kDefaultTimeoutS = 120;
constexpr auto kLeaveDeadline = 10s;
constexpr std::size_t kSimFileLimit = 64 * 1024;

// The phonebook grid of the command line: 250 rows and the header, modem bytes.
class PhonebookRows : public PhonebookTable {
public:
    int rowCount() const override { return rows_; }
    void setRowCount(int rows) override { rows_ = std::clamp(rows, 1, kRows); }
    std::string cell(int row, int column) const override {
        return inside(row, column) ? cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] : "";
    }
    void setCell(int row, int column, const std::string& text) override {
        if (inside(row, column)) cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    }

private:
    static constexpr int kRows = z4config::SimNames::kRows + 1;
    bool inside(int row, int column) const { return row >= 0 && row < kRows && column >= 0 && column < 3; }
    int rows_ = 1;
    std::array<std::array<std::string, 3>, kRows> cells_{};
};

struct GsmRun {
    TransferSession& session;
    const Args& args;
    GsmModeStates mode{session.engine()};
    LeaveModeStates leave{session.engine()};
    GsmCommandStates commands{session.engine(), mode};
    PhonebookRows rows;
    PhonebookStates phonebook{session.engine(), mode, rows};
    bool done = false;
    bool modemModeKept = false;

    GsmRun(TransferSession& s, const Args& a) : session(s), args(a) {}

    // Runs until the operation is done (and, where it leaves modem mode, that too).
    int run(const std::string& what) {
        const auto deadline = std::chrono::seconds(args.timeoutS.value_or(kDefaultTimeoutS));
        Outcome outcome = session.runUntil([&] { return done; }, deadline);
        if (outcome == Outcome::Done && session.engine().vars().state == z4state::kLeaveMode)
            outcome = session.runUntil([&] { return session.engine().vars().state == z4state::kIdle; }, kLeaveDeadline);
        // Idle, the engine closes the port after its countdown: by then the last line is out.
        if (outcome == Outcome::Done) session.runUntil([&] { return !session.engine().vars().portOpen; }, kLeaveDeadline);
        if (modemModeKept) std::cerr << "the module stays in GSM modem mode: restart it\n";
        return finish(session, outcome, args, "gsm " + what);
    }
};

int readPhonebook(GsmRun& g) {
    if (!g.args.out) throw UsageError{"--out is missing"};
    g.phonebook.onDone = [&](bool left) {
        g.done = true;
        g.modemModeKept = !left;
    };
    g.phonebook.startRead();
    if (const int code = g.run("phonebook read")) return code;
    z4config::SimNames names;
    names.rowCount = g.rows.rowCount();
    for (int row = 1; row < g.rows.rowCount(); ++row) {
        names.numbers[static_cast<std::size_t>(row - 1)] = z4config::cp1250BytesToUtf8(g.rows.cell(row, PhonebookTable::kNumber));
        names.names[static_cast<std::size_t>(row - 1)] = z4config::cp1250BytesToUtf8(g.rows.cell(row, PhonebookTable::kName));
    }
    const std::string text = z4config::writeSimNames(names);
    const std::string error = z4config::writeFileAtomically(
        *g.args.out, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    if (!error.empty()) {
        std::cerr << "vardeck-cli gsm: cannot write " << *g.args.out << ": " << error << "\n";
        return kExitFailure;
    }
    return 0;
}

int writePhonebook(GsmRun& g) {
    const z4config::FileBytes file = z4config::readFileBounded(*g.args.in, kSimFileLimit);
    std::string reason = file.error;
    std::optional<z4config::SimNames> names;
    if (reason.empty() && file.truncated) reason = "too large";
    if (reason.empty())
        names = z4config::readSimNames({reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()}, reason);
    if (!names) {
        std::cerr << "vardeck-cli gsm: " << *g.args.in << ": " << reason << "\n";
        return kExitFailure;
    }
    g.rows.setRowCount(names->rowCount);
    for (int row = 1; row < g.rows.rowCount(); ++row) {
        g.rows.setCell(row, PhonebookTable::kNumber, z4config::utf8ToCp1250Bytes(names->numbers[static_cast<std::size_t>(row - 1)]));
        g.rows.setCell(row, PhonebookTable::kName, z4config::utf8ToCp1250Bytes(names->names[static_cast<std::size_t>(row - 1)]));
    }
    g.phonebook.onDone = [&](bool) { g.done = true; };
    g.phonebook.startWrite();
    return g.run("phonebook write");
}

std::string onlyNumber(const Args& a) {
    if (a.positional.size() != 2) throw UsageError{"expected one NUMBER"};
    return a.positional[1];
}

int runGsm(const std::vector<std::string>& raw) {
    Args a;
    std::string op;
    try {
        a = parseArgs(raw);
        requireType(a);
        if (a.positional.empty()) throw UsageError{"which operation?"};
        op = a.positional[0];
        if (op == "phonebook") {
            if (a.positional.size() != 2 || (a.positional[1] != "read" && a.positional[1] != "write"))
                throw UsageError{"phonebook read or phonebook write"};
            if (a.positional[1] == "write" && !a.in) throw UsageError{"--in is missing"};
            if (a.positional[1] == "read" && !a.out) throw UsageError{"--out is missing"};
            if (a.size && *a.size != 100 && *a.size != 250) throw UsageError{"--size is 100 or 250"};
        } else if (op == "pin-off") {
            if (!a.pin || controls::utf8Length(*a.pin) != 4) throw UsageError{"Bad PIN: --pin takes 4 characters"};
        } else if (op == "sms-centre" || op == "sms") {
            if (onlyNumber(a).empty()) throw UsageError{"Hiba, nincs megadva a telefonszám"};
        } else if (op == "call") {
            onlyNumber(a);
            if (a.data == a.voice) throw UsageError{"--data or --voice"};
        } else if (op != "balance" && op != "imei") {
            throw UsageError{"unknown operation \"" + op + "\""};
        }
    } catch (const UsageError& e) {
        return usage("gsm", e.message, kGsmUsage);
    }

    TransferSession session(sessionOptions(a));
    if (auto failed = prepare(session, a, "gsm")) return *failed;
    GsmRun g(session, a);
    session.onStatus = [](const std::string& text) { std::cerr << text << "\n"; };
    GsmCommandStates& c = g.commands;
    auto sent = [&] {
        g.done = true;
        g.modemModeKept = true;
    };
    if (op == "phonebook") {
        g.phonebook.setSize(a.size.value_or(PhonebookStates::kSmallSize));
        return a.positional[1] == "read" ? readPhonebook(g) : writePhonebook(g);
    }
    if (op == "pin-off") {
        bool off = false;
        c.onPinDone = [&](bool ok) {
            off = ok;
            sent();
        };
        c.startPinOff(z4config::utf8ToCp1250Bytes(*a.pin));
        const int code = g.run(op);
        if (code == 0 && !off) {
            std::cerr << "ERROR PIN CODE\n";
            return kExitFailure;
        }
        return code;
    }
    if (op == "sms-centre") {
        c.onSmsCentreSet = [&] { g.done = true; };
        c.startSmsCentre(z4config::utf8ToCp1250Bytes(onlyNumber(a)));
        const int code = g.run(op);
        // The SMS centre view leaves modem mode when it closes; so does the tool.
        if (code == 0) {
            g.leave.start();
            session.runUntil([&] { return session.engine().vars().state == z4state::kIdle; }, kLeaveDeadline);
        }
        return code;
    }
    if (op == "balance") {
        c.onBalance = [&](const std::string& text) {
            std::cout << z4config::cp1250BytesToUtf8(text) << std::flush;
            g.done = true;
        };
        c.startBalance();
        return g.run(op);
    }
    if (op == "imei") {
        c.onImei = [&](const std::string& imei) {
            std::cout << imei << "\n";
            sent();
        };
        c.startImei();
        return g.run(op);
    }
    c.onSent = sent;
    if (op == "call" && a.data) c.startDataCall(z4config::utf8ToCp1250Bytes(onlyNumber(a)));
    if (op == "call" && a.voice) c.startVoiceCall(z4config::utf8ToCp1250Bytes(onlyNumber(a)));
    if (op == "sms") c.startSmsTest(z4config::utf8ToCp1250Bytes(onlyNumber(a)), z4config::utf8ToCp1250Bytes("Teszt SMS"));
    return g.run(op);
}

CliRegistrar gsmCommand("gsm", kGsmUsage, runGsm);

}  // namespace
}  // namespace vardeck::cli
