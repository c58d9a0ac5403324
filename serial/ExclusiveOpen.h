#pragma once
#include <string>

namespace vardeck {

// Opens a terminal device for reading and writing, without blocking and without
// making it the controlling terminal, and claims it exclusively:
// flock(LOCK_EX | LOCK_NB) against every other channel and every program that
// locks too, TIOCEXCL against other opens by ordinary users (root passes it,
// which is why both are used). Returns 0 and the descriptor in `fd`, or an errno:
// EBUSY when someone else holds the device, ENOTTY when it is not a terminal.
int openExclusive(const std::string& path, int& fd);

// Gives the claim up and closes the descriptor.
void closeExclusive(int fd);

}  // namespace vardeck
