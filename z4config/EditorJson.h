#pragma once
#include <string>

#include "z4config/Z4Editor.h"
#include "controls/Json.h"

namespace vardeck::z4config {

// The editor's state as one JSON document, for scripts:
//   { "controls": { "<control name>": { <fields of its kind> }, ... },
//     "tables": { "StringGrid2": [[code, name] x 16],
//                 "StringGrid3": [[code, name] x 161],
//                 "masks": [161 integers] } }
// Control fields are those of controls::controlToJson; the two grids appear only under
// "tables".
controls::JsonValue editorToJson(const Z4Editor& editor);

// Applies a document of that shape (any subset of controls and tables) as a user's
// edits: each control whose value changes runs its rule, in the order of the screen's
// layout, so a unit list is applied before its time. Returns an empty text on success,
// else a message naming the problem (unknown member or control, a value of the wrong
// type or out of range); the editor may then be partly changed.
std::string applyEditorJson(Z4Editor& editor, const controls::JsonValue& document);

}  // namespace vardeck::z4config
