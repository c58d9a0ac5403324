#include "z4screen/MonitorView.h"

#include <cstdio>

#include "z4config/Cp1250.h"
#include "z4config/ProfileFiles.h"

namespace vardeck::z4screen {

std::string stampText(const ModuleClockTime& t) {
    char out[32];
    std::snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return out;
}

MonitorView::MonitorView(Environment environment) : env_(std::move(environment)) {
    Timer1.onTimer = [this] { stampTimer(); };
}

void MonitorView::open(int firmwareVersion, std::optional<z4config::WindowScale> scale) {
    firmwareVersion_ = firmwareVersion;
    Timer1.setInterval(kFirstStampMs);
    Timer1.start();
    if (!scaled_) {
        scaled_ = true;
        pendingScale_ = scale;
    }
}

void MonitorView::close() { Timer1.stop(); }

std::optional<z4config::WindowScale> MonitorView::takeWindowScale() {
    auto scale = pendingScale_;
    pendingScale_.reset();
    return scale;
}

void MonitorView::appendModuleBytes(std::string_view bytes) {
    text_.append(bytes);
    capText();
}

// A stamp stands on a line of its own.
void MonitorView::appendLine(const std::string& line) {
    if (!text_.empty() && text_.back() != '\n') text_ += "\r\n";
    text_ += line;
    text_ += "\r\n";
    capText();
}

void MonitorView::capText() {
    if (text_.size() <= kTextCap) return;
    // Cut a quarter more than needed, at a line start where there is one, so the
    // view reloads the text seldom and the first line shown is whole.
    std::size_t cut = text_.size() - kTextCap * 3 / 4;
    const std::size_t lineEnd = text_.find('\n', cut);
    if (lineEnd != std::string::npos && lineEnd - cut < 4096) cut = lineEnd + 1;
    text_.erase(0, cut);
    ++textGeneration_;
}

void MonitorView::stampTimer() {
    Timer1.setInterval(kStampIntervalMs);
    const ModuleClockTime now = env_.clock ? env_.clock() : ModuleClockTime{};
    appendLine("##########" + stampText(now));
}

void MonitorView::clearText() {
    text_.clear();
    ++textGeneration_;
}

std::string MonitorView::textAsUtf8() const {
    return z4config::cp1250BytesToUtf8(text_);
}

void MonitorView::saveToFile() {
    if (!env_.dialogs) return;
    auto path = env_.dialogs->chooseSaveFile("TXT");
    if (!path) return;
    // The file is for people: UTF-8, like every text file of this system.
    const std::string content = textAsUtf8() + "\n";
    const std::string error = z4config::writeFileAtomically(
        *path, {reinterpret_cast<const std::uint8_t*>(content.data()), content.size()});
    if (!error.empty()) env_.dialogs->showMessage(message("A fájl nem menthető:") + "\n" + *path + ": " + error);
}

void MonitorView::sendReport() {
    if (!env_.dialogs || !env_.reportClient || reportPending_) return;
    auto imei = env_.dialogs->promptText(message("Filenév"), message("Kérem adja meg az IMEI számát az eszköznek"), "");
    if (!imei) return;
    if (!acceptableImei(*imei)) {
        env_.dialogs->showMessage(message("Nem megfelelő IMEI szám!"));
        return;
    }
    auto description = env_.dialogs->promptText(message("Hiba leírása"), message("Kérem írja le a hibajelenséget"), "");
    if (!description) return;
    const std::string setting = env_.reportServer ? env_.reportServer() : std::string();
    auto server = parseReportServer(setting.empty() ? kDefaultReportServer : setting);
    if (!server) {
        env_.dialogs->showMessage(message("Sikertelen küldés"));
        return;
    }
    env_.reportClient->start(*server, buildErrorReport(*imei, firmwareVersion_, *description, text_));
    reportPending_ = true;
    Button2.setEnabled(false);
}

void MonitorView::pollReport() {
    if (!reportPending_ || !env_.reportClient) return;
    const ReportClient::Result result = env_.reportClient->poll();
    if (result == ReportClient::Result::Pending) return;
    reportPending_ = false;
    Button2.setEnabled(true);
    if (env_.dialogs) env_.dialogs->showMessage(result == ReportClient::Result::Sent ? "OK" : message("Sikertelen küldés"));
}

}  // namespace vardeck::z4screen
