#pragma once

namespace vardeck::z4state {

// The protocol state numbers of the Z-4 configurator. One number drives all
// traffic with the module; the transfer engine serves those marked "engine",
// the operations that register with it serve the rest.
inline constexpr int kIdle = 0;                // engine
inline constexpr int kStatusPolling = 5;
inline constexpr int kLifeSignalTest = 10;     // engine
inline constexpr int kGsmModeEntry = 20;
inline constexpr int kGsmRouteCheck = 21;
inline constexpr int kPhonebookSelect = 29;
inline constexpr int kPhonebookRead = 30;
inline constexpr int kPinEntry = 35;
inline constexpr int kPinEntryWait = 36;
inline constexpr int kPinLockRelease = 37;
inline constexpr int kPinLockReleaseWait = 38;
inline constexpr int kPhonebookWriteSelect = 39;
inline constexpr int kPhonebookWrite = 40;
inline constexpr int kSmsCentre = 50;
inline constexpr int kMonitorOn = 80;
inline constexpr int kLeaveMode = 81;
inline constexpr int kMonitorRunning = 82;
inline constexpr int kVersionQuery = 99;       // engine
inline constexpr int kByteRead = 100;          // engine
inline constexpr int kByteWrite = 101;         // engine
inline constexpr int kContactIdWrite = 102;    // engine
inline constexpr int kSmallBlockRead = 103;    // engine
inline constexpr int kLargeBlockRead = 110;    // engine
inline constexpr int kLargeBlockWrite = 111;   // engine
inline constexpr int kBalanceQuery = 130;
inline constexpr int kRestart = 200;           // engine
inline constexpr int kSetClock = 210;          // engine
inline constexpr int kDataCall = 260;
inline constexpr int kVoiceCall = 270;
inline constexpr int kSmsTest = 280;
inline constexpr int kSmsTestText = 281;
inline constexpr int kImei = 290;
inline constexpr int kEventLogStart = 500;
inline constexpr int kEventLogRead = 501;
inline constexpr int kHistoryStart = 600;
inline constexpr int kHistoryUnit = 601;
inline constexpr int kHistoryRecord = 602;
inline constexpr int kDataUploadAnnounce = 990;
inline constexpr int kDataUploadBlocks = 991;
inline constexpr int kSoundUploadAnnounce = 1000;
inline constexpr int kSoundUploadBlocks = 1001;
inline constexpr int kProcessorIdentify = 1099;
inline constexpr int kFirmwareAnnounce = 1100;
inline constexpr int kFirmwareBlocks = 1101;
inline constexpr int kFpgaStart = 1102;

}  // namespace vardeck::z4state
