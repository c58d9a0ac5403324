#pragma once
// The frame layout and the check sums are the link's own (z4link/Frame.h); the
// simulator takes them from there so device and program can never disagree.
#include "z4link/Frame.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vardeck::sim {

using vardeck::dataSum;
using vardeck::Frame;
using vardeck::frameIsValid;
using vardeck::frameSum;
using vardeck::kFrameSize;
using vardeck::makeFrame;

// "AB 00 FF 46 ..." for logs and test messages.
std::string hexBytes(const uint8_t* bytes, std::size_t count);

}  // namespace vardeck::sim
