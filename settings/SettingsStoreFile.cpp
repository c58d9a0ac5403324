#include "settings/SettingsStoreFile.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace vardeck {
namespace fs = std::filesystem;
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

struct StoreFile {
    enum class State { Read, Missing, Unreadable } state = State::Unreadable;
    std::string text;
    mode_t mode = 0644;
};

StoreFile loadStoreFile(const std::string& path) {
    StoreFile file;
    // O_NONBLOCK: a store path that names a FIFO must not hang the program.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        if (errno == ENOENT) file.state = StoreFile::State::Missing;
        return file;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return file;
    file.mode = info.st_mode & 07777;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return file;
        if (n == 0) break;
        file.text.append(buffer, size_t(n));
        if (file.text.size() > kMaxSettingsFileSize) return file;
    }
    file.state = StoreFile::State::Read;
    return file;
}

settings::SettingsDocument readableDocument(const std::string& path) {
    StoreFile file = loadStoreFile(path);
    if (file.state != StoreFile::State::Read) return {};
    return settings::SettingsDocument::parse(file.text);
}

bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

std::string temporaryPrefix(const std::string& path) { return path + ".tmp."; }

// Runs under the store lock, when no other writer can be half-way through a save:
// any temporary file still there was left by a crash.
void removeLeftoverTemporaries(const std::string& path) {
    fs::path store(path);
    fs::path folder = store.has_parent_path() ? store.parent_path() : fs::path(".");
    std::string prefix = store.filename().string() + ".tmp.";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

void syncFolderOf(const std::string& path) {
    fs::path store(path);
    std::string folder = store.has_parent_path() ? store.parent_path().string() : ".";
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

bool replaceAtomically(const std::string& path, const std::string& text, mode_t mode) {
    std::string temporary = temporaryPrefix(path) + "XXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (!fd.valid()) return false;
    bool ok = ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), text) && ::fsync(fd.get()) == 0 &&
              ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}

// A store kept behind a symbolic link (a managed dot-file) is written through to
// its target, so that the rename does not replace the link by a plain file.
std::string writeTarget(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        fs::path target = fs::canonical(path, ec);
        if (!ec) return target.string();
    }
    return path;
}

}  // namespace

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir) {
        return found->pw_dir;
    }
    return {};
}

std::string defaultSettingsPath() {
    if (const char* explicitPath = std::getenv("VARDECK_SETTINGS"); explicitPath && *explicitPath) {
        return explicitPath;
    }
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
        return std::string(config) + "/vardeck/settings.ini";
    }
    std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/.config/vardeck/settings.ini";
}

std::string FileSettingsStore::path() const { return fixedPath_ ? *fixedPath_ : defaultSettingsPath(); }

std::optional<std::string> FileSettingsStore::read(const std::string& keyPath, const std::string& name) {
    std::string file = path();
    if (file.empty()) return std::nullopt;
    return readableDocument(file).get(keyPath, name);
}

std::vector<settings::NamedValue> FileSettingsStore::values(const std::string& keyPath) {
    std::string file = path();
    if (file.empty()) return {};
    return readableDocument(file).values(keyPath);
}

bool FileSettingsStore::write(const std::string& keyPath, const std::string& name, const std::string& text) {
    std::string file = path();
    if (file.empty()) return false;
    file = writeTarget(file);

    // Something other than a file at the store's place (a folder, a device) is not
    // ours to replace; checked before the lock file is put beside it.
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return false;

    fs::path folder = fs::path(file).parent_path();
    std::error_code ec;
    if (!folder.empty()) fs::create_directories(folder, ec);

    FileDescriptor lock(::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (!lock.valid()) return false;
    while (::flock(lock.get(), LOCK_EX) != 0) {
        if (errno != EINTR) return false;
    }

    StoreFile current = loadStoreFile(file);
    if (current.state == StoreFile::State::Unreadable) return false;
    auto document = settings::SettingsDocument::parse(current.text);
    if (!document.looksLikeSettings()) return false;
    document.set(keyPath, name, text);
    std::string updated = document.serialize();
    if (current.state == StoreFile::State::Read && updated == current.text) return true;

    removeLeftoverTemporaries(file);
    return replaceAtomically(file, updated, current.mode);
}

}  // namespace vardeck
