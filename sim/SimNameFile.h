#pragma once
#include "sim/SimPhonebook.h"

#include <string>
#include <string_view>

namespace vardeck::sim {

// The SIM name file (*.sim) the program saves its phonebook grid to, used by the
// simulator to keep its SIM phonebook between runs. Text lines: line 1 is the
// grid's row count in decimal, header row included; then for rows 1 to 250 one
// line with the number and one with the name (501 lines in all, empty lines for
// empty cells). Row k is SIM location k.
//
// Reading takes CR LF or LF line ends; fewer than 501 lines leave the missing
// rows empty, and the row count is checked but not needed (every row is read).
// The count may be 0 to 251: a grid that holds all 250 locations has 251 rows
// with its header. Not this format: more than 501 lines, a count that is not such
// a number, a NUL byte, or a CR that does not end a line.
//
// Writing uses CR LF after every line and puts the row count that shows every
// location in use: the last one in use + 1 (1 when the phonebook is empty).

inline constexpr int kSimNameFileLines = 1 + 2 * SimPhonebook::kLocations;
inline constexpr int kSimNameFileMaxRowCount = SimPhonebook::kLocations + 1;

// Fills `phonebook` from the file's text; false with a one-line reason in `error`.
bool parseSimNameFile(std::string_view text, SimPhonebook& phonebook, std::string& error);
std::string formatSimNameFile(const SimPhonebook& phonebook);

// A missing file gives an empty phonebook (the file is made when it is saved).
bool loadSimNameFile(const std::string& path, SimPhonebook& phonebook, std::string& error);
// Writes through a temporary file renamed over the old one.
bool saveSimNameFile(const std::string& path, const SimPhonebook& phonebook, std::string& error);

}  // namespace vardeck::sim
