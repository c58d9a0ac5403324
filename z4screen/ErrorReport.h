#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vardeck::z4screen {

// The maker's report server: where the monitor view's "Elküld" sends its error
// report. The settings value "reportserver" under the brand key names it as "host"
// or "host:port" ("[v6 address]:port" for an IPv6 address); without a port the
// server's port 49000 is used.
struct ReportServer {
    std::string host;
    int port = 49000;
};
inline constexpr int kReportPort = 49000;
// A placeholder that resolves nowhere: a build for a brand sets its server in the
// settings store.
inline constexpr const char* kDefaultReportServer = "report.zelkor.example";
std::optional<ReportServer> parseReportServer(std::string_view text);

// The IMEI the report asks for: exactly 15 characters.
bool acceptableImei(std::string_view imei);

// The report stream, byte for byte: "QMX_START", the IMEI, " Szoftver verzió:" and
// the firmware version number in decimal and a line feed, the description and a line
// feed, the monitor text as the module sent it, "QMX_STOP". Texts typed by the user
// go out in code page 1250 like every text the module family handles; the monitor
// text goes out as received.
std::string buildErrorReport(std::string_view imei, int firmwareVersion, std::string_view description,
                             std::string_view monitorBytes);

}  // namespace vardeck::z4screen
