#include "z4config/ProfileFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vardeck::z4config {
namespace {

std::string systemReason() { return std::strerror(errno); }

// Closes the descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; false (errno set) when the close reports an error.
    bool reset() {
        if (fd_ < 0) return true;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates a file beside the target under a name no other writer uses; -1 on failure.
int createTemporary(const std::string& path, std::string& tempPath) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

FileBytes readFileBounded(const std::string& path, std::size_t maxBytes) {
    FileBytes result;
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        result.error = systemReason();
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.error = systemReason();
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = "not a regular file";
        return result;
    }
    std::uint8_t buffer[65536];
    while (result.bytes.size() <= maxBytes) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.error = systemReason();
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.bytes.insert(result.bytes.end(), buffer, buffer + n);
    }
    if (result.bytes.size() > maxBytes) {
        result.bytes.resize(maxBytes);
        result.truncated = true;
    }
    result.ok = true;
    return result;
}

std::string writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string tempPath;
    Fd fd(createTemporary(path, tempPath));
    if (!fd.valid()) return systemReason();
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    bool ok = writeAll(fd.get(), bytes);
    if (ok && replacing) ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
    if (ok) ok = ::fsync(fd.get()) == 0;
    if (ok) ok = fd.reset();
    if (ok) ok = ::rename(tempPath.c_str(), path.c_str()) == 0;
    if (!ok) {
        const std::string reason = systemReason();
        ::unlink(tempPath.c_str());
        return reason;
    }
    // The rename itself reaches the disk with the folder.
    Fd folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) ::fsync(folder.get());
    return {};
}

}  // namespace vardeck::z4config
