#include "serial/ExclusiveOpen.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace vardeck {

int openExclusive(const std::string& path, int& fd) {
    fd = -1;
    if (path.empty()) return ENOENT;
    int f = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (f < 0) return errno;
    int error = 0;
    termios probe{};
    if (::tcgetattr(f, &probe) != 0) {
        error = errno == EINVAL ? ENOTTY : errno;
    } else if (::flock(f, LOCK_EX | LOCK_NB) != 0) {
        error = errno == EWOULDBLOCK ? EBUSY : errno;
    }
    if (error != 0) {
        ::close(f);
        return error;
    }
    // Refused by some drivers; the lock above is what counts among ourselves.
    (void)::ioctl(f, TIOCEXCL);
    fd = f;
    return 0;
}

void closeExclusive(int fd) {
    if (fd < 0) return;
    // The exclusive flag belongs to the terminal, not to the descriptor: a
    // pseudo-terminal would keep it after this close and refuse the next open.
    (void)::ioctl(fd, TIOCNXCL);
    ::close(fd);  // releases the lock
}

}  // namespace vardeck
