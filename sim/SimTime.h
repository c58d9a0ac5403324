#pragma once
#include <chrono>

namespace vardeck::sim {

// Time as the simulated device sees it: a duration since an epoch the caller
// chooses (the start of a test, the start of the program). Models never read a
// clock themselves, so delays and time-outs are the same on every run.
// Microseconds, because one byte at 9600 bit/s lasts about 1042 us.
using SimTime = std::chrono::microseconds;

}  // namespace vardeck::sim
