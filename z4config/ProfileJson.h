#pragma once
#include <string>

#include "z4config/Z4Editor.h"
#include "controls/Json.h"

namespace vardeck::z4config {

// A profile's content as one JSON document: the editor document of EditorJson.h with
// the six customer fields taken out of "controls" and given as plain texts:
//   "customer": { "Edit2": text, ..., "Edit7": text }
controls::JsonValue profileToJson(const Z4Editor& editor);

// Applies a document of that shape (any subset) as a user's edits; a "customer" text
// counts as typed into its field (a field given under "controls" as well is an error). Returns an empty text, or a message naming the
// problem (the editor may then be partly changed).
std::string applyProfileJson(Z4Editor& editor, const controls::JsonValue& document);

}  // namespace vardeck::z4config
