#include "serial/LowLatency.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace vardeck {

const char* lowLatencyText(LowLatencyState state) {
    switch (state) {
        case LowLatencyState::NotAsked: return "not a USB serial adapter";
        case LowLatencyState::On: return "on";
        case LowLatencyState::AlreadyOn: return "already on";
        case LowLatencyState::Refused: return "refused by the driver";
    }
    return "";
}

bool isUsbSerialAdapter(const std::string& path, const std::string& root) {
    if (path.empty()) return false;
    const fs::path base(root);
    std::error_code ec;
    // A link below `root` that points at an absolute path is read inside `root` too.
    fs::path device = base / fs::path(path).relative_path();
    for (int hops = 0; hops < 8 && fs::is_symlink(device, ec); ++hops) {
        const fs::path target = fs::read_symlink(device, ec);
        if (ec) return false;
        device = target.is_absolute() ? base / target.relative_path() : device.parent_path() / target;
    }
    const std::string name = device.lexically_normal().filename().string();
    if (name.empty()) return false;
    const fs::path bus = fs::read_symlink(base / "sys/class/tty" / name / "device/subsystem", ec);
    return !ec && bus.filename() == "usb-serial";
}

bool TerminalSerialFlags::read(int& flags) {
    serial_struct s{};
    if (::ioctl(fd_, TIOCGSERIAL, &s) != 0) return false;
    flags = s.flags;
    return true;
}

bool TerminalSerialFlags::write(int flags) {
    // TIOCSSERIAL takes the whole record: everything else goes back as the driver gave it.
    serial_struct s{};
    if (::ioctl(fd_, TIOCGSERIAL, &s) != 0) return false;
    s.flags = flags;
    return ::ioctl(fd_, TIOCSSERIAL, &s) == 0;
}

LowLatencyState enableLowLatency(SerialFlags& flags) {
    int current = 0;
    if (!flags.read(current)) return LowLatencyState::Refused;
    if (current & ASYNC_LOW_LATENCY) return LowLatencyState::AlreadyOn;
    if (!flags.write(current | ASYNC_LOW_LATENCY)) return LowLatencyState::Refused;
    // A driver may take the call and still not keep the flag.
    int now = 0;
    if (!flags.read(now) || !(now & ASYNC_LOW_LATENCY)) return LowLatencyState::Refused;
    return LowLatencyState::On;
}

void restoreLowLatency(SerialFlags& flags, LowLatencyState state) {
    if (state != LowLatencyState::On) return;
    int current = 0;
    // A device that is gone has nothing left to restore.
    if (!flags.read(current) || !(current & ASYNC_LOW_LATENCY)) return;
    (void)flags.write(current & ~static_cast<int>(ASYNC_LOW_LATENCY));
}

}  // namespace vardeck
