#pragma once
#include <string>

#include "controls/Json.h"
#include "devices/DeviceScreen.h"

namespace vardeck::cli {

// A device screen's editable state as JSON, in the shape `vardeck-cli decode` uses:
//   { "controls": { "<name>": { <fields of its kind> }, ... },
//     "tables": { "<grid name>": [[cell, ...] per row, header row first] } }
// "tables" appears only for a screen with a grid.
controls::JsonValue screenToJson(const devices::DeviceScreen& screen);

// Applies a document of that shape (any subset of the controls and tables) as a user's
// edits: controls in the screen's order, each change running the screen's rule. The
// header row and the first column of a table are the screen's own (captions, row
// numbers) and are not taken from the document. Returns an empty text on success,
// else a message naming the control and the problem; nothing is sent to the device.
std::string applyScreenJson(devices::DeviceScreen& screen, const controls::JsonValue& document);

}  // namespace vardeck::cli
