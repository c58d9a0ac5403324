#pragma once
#include <string>

namespace vardeck {

// The messages and status texts the transfer engine shows. The engine names
// them by id and looks the text up through a function it is given, so the
// interface-language work can swap the catalogue without touching the engine.
enum class TransferText {
    ReadAllRunning,      // status panel 3 while read all runs
    ReadAllDone,         // status panel 3 after a complete read
    WriteAllRunning,     // status panel 3 while write all runs
    WriteAllDone,        // status panel 3 after the write and its clock setting
    ClockSyncRunning,    // status panel 3 while the clock frame is sent
    ClockSyncDone,       // status panel 3 after the clock setting from the menu
    ContactIdAreaWrite,  // status panel 3 during the 32-byte block write of a Z-CID
    VersionMessage,      // message box text, followed by the version number
    RestartQuestion,     // yes/no question before the restart frame
    CloseQuestion,       // yes/no question when the screen closes during an operation
    VerifyRunning,       // status panel 3 while the written bytes are read back
    VerifyFailed,        // status panel 3 when they differ from what was written
};

// The Hungarian text of an entry, exactly as the screen shows it.
std::string hungarianTransferText(TransferText id);

// A firmware version number in tenths as the screen shows it: 43 -> "4.3".
std::string firmwareVersionText(int version);

}  // namespace vardeck
