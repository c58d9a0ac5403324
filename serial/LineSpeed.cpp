#include "serial/LineSpeed.h"

// termios2 and BOTHER; <termios.h> must not be included here.
#include <asm/ioctls.h>
#include <asm/termbits.h>

#include <cerrno>

extern "C" int ioctl(int fd, unsigned long request, ...);

namespace vardeck {

int setLineSpeed(int fd, int bitsPerSecond) {
    if (bitsPerSecond <= 0) return EINVAL;
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0) return errno;
    // BOTHER: the speed is the number in c_ospeed; an input speed field of 0 means "same as output".
    t.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER;
    t.c_ospeed = static_cast<speed_t>(bitsPerSecond);
    t.c_ispeed = static_cast<speed_t>(bitsPerSecond);
    if (ioctl(fd, TCSETS2, &t) != 0) return errno;
    return 0;
}

int lineSpeed(int fd) {
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0) return -1;
    return static_cast<int>(t.c_ospeed);
}

}  // namespace vardeck
