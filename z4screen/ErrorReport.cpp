#include "z4screen/ErrorReport.h"

#include <charconv>

#include "z4config/Cp1250.h"
#include "controls/Utf8.h"

namespace vardeck::z4screen {
namespace {

std::optional<int> parsePort(std::string_view text) {
    int port = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (ec != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535) return std::nullopt;
    return port;
}

}  // namespace

std::optional<ReportServer> parseReportServer(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    ReportServer server;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos || close == 1) return std::nullopt;
        server.host = std::string(text.substr(1, close - 1));
        std::string_view rest = text.substr(close + 1);
        if (rest.empty()) return server;
        if (rest.front() != ':') return std::nullopt;
        auto port = parsePort(rest.substr(1));
        if (!port) return std::nullopt;
        server.port = *port;
        return server;
    }
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        server.host = std::string(text);
        return server;
    }
    // More than one colon without brackets: a bare IPv6 address, port 49000.
    if (text.find(':', colon + 1) != std::string_view::npos) {
        server.host = std::string(text);
        return server;
    }
    auto port = parsePort(text.substr(colon + 1));
    if (colon == 0 || !port) return std::nullopt;
    server.host = std::string(text.substr(0, colon));
    server.port = *port;
    return server;
}

bool acceptableImei(std::string_view imei) { return controls::utf8Length(imei) == 15; }

std::string buildErrorReport(std::string_view imei, int firmwareVersion, std::string_view description,
                             std::string_view monitorBytes) {
    std::string out = "QMX_START";
    out += z4config::utf8ToCp1250Bytes(imei);
    out += z4config::utf8ToCp1250Bytes(" Szoftver verzió:");
    out += std::to_string(firmwareVersion);
    out += '\n';
    out += z4config::utf8ToCp1250Bytes(description);
    out += '\n';
    out += monitorBytes;
    out += "QMX_STOP";
    return out;
}

}  // namespace vardeck::z4screen
