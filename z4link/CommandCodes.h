#pragma once
#include <cstdint>

namespace vardeck::z4cmd {

// Command codes (byte P1) of the Z-4 module's controller.
inline constexpr uint8_t kReadConfigByte = 0x00;   // P0/P2 address, reply byte 3 = data
inline constexpr uint8_t kWriteConfigByte = 0x01;  // P0/P2 address, P3 data
inline constexpr uint8_t kReadStatusByte = 0x02;   // as kReadConfigByte, status memory
inline constexpr uint8_t kLifeSignalTest = 0x04;   // frame 02 04 10 01
inline constexpr uint8_t kReadEventRecord = 0x08;  // P2/P3 record number lo/hi, 65-byte reply
inline constexpr uint8_t kReadSmallBlock = 0x40;   // 32-byte block (39-byte reply) or 64-byte record
inline constexpr uint8_t kWriteSmallBlock = 0x80;  // 32-byte block write, 39 bytes
inline constexpr uint8_t kWriteLargeBlock = 0xF6;  // 256-byte block write, 262 bytes
inline constexpr uint8_t kReadLargeBlock = 0xF7;   // 257-byte reply
inline constexpr uint8_t kIdentify = 0xF8;         // processor and firmware identification
inline constexpr uint8_t kStartFpga = 0xF9;
inline constexpr uint8_t kAnnounceUpload = 0xFA;   // page-wise upload from a 256-byte page
inline constexpr uint8_t kModeSwitch = 0xFB;       // P2 = 1 monitor mode, 0 leave mode
inline constexpr uint8_t kSetClock = 0xFC;         // followed by 12 ASCII digits
inline constexpr uint8_t kGsmModem = 0xFD;         // AT pass-through mode
inline constexpr uint8_t kRestart = 0xFF;

// Reply markers.
inline constexpr uint8_t kAckMarker = 0xAB;        // byte 0 of every reply but the identification
inline constexpr uint8_t kModeAccepted = 0xAC;     // byte 1
inline constexpr uint8_t kClockSet = 0xAA;         // byte 1
inline constexpr uint8_t kModeLeftDirectly = 0x02; // byte 1: left without the closing frame

}  // namespace vardeck::z4cmd
