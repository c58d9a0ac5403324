#pragma once
#include "z4config/Z4Editor.h"
#include "z4screen/ScreenTargets.h"

namespace vardeck::z4screen {

// Done first on every hand-over: the pages "GPRS", "CID/SMS" and "Hangok", the PSTN
// and DTMF gains and the "PSTN send" button are hidden.
void hideOptionalPages(const ScreenTargets& targets);

// The page set of a device type code: which pages the model shows and what else
// changes for it (phone fields, the second output, expansion notes, the Z-CID's
// gains and disabled "Egyéb" fields). "Távfelügyelet" and "Nyitás/Zárás" are left to
// the firmware version; "Be5" to "Be8" are never shown.
void applyPageSet(int typeCode, const ScreenTargets& targets, z4config::Z4Editor& editor);

}  // namespace vardeck::z4screen
