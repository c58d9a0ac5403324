#pragma once

namespace vardeck {

// Line speeds by number, also those without a B-constant of <termios.h>
// (14400, 56000, 128000, 256000 bit/s). Linux takes them through the termios2
// interface, which cannot share a translation unit with <termios.h>; hence this
// small file of its own.

// Sets input and output speed of an open terminal. Returns 0 or an errno.
int setLineSpeed(int fd, int bitsPerSecond);

// The output speed of an open terminal in bit/s, or -1 with errno set.
// On a pseudo-terminal master it reads the slave side's speed.
int lineSpeed(int fd);

}  // namespace vardeck
