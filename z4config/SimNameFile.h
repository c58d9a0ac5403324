#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vardeck::z4config {

// The SIM name file (".sim"): the phonebook grid as text. Line 1 is the grid's row
// count in decimal; then, for grid rows 1 to 250, one line with the number and one
// with the name: 501 lines. Written in code page 1250 with CR LF line ends, like the
// files made on the installations' own machines; read with CR LF or LF, in code
// page 1250 or UTF-8.
struct SimNames {
    static constexpr int kRows = 250;
    static constexpr int kLines = 1 + 2 * kRows;
    int rowCount = 1;  // the grid's rows with the header
    std::array<std::string, kRows> numbers;  // UTF-8, row 1 first
    std::array<std::string, kRows> names;
};

std::string writeSimNames(const SimNames& names);
// Nothing and a reason when the text is not such a file (too short, too long, not
// text, a row count that is no number from 0 to 250).
std::optional<SimNames> readSimNames(std::string_view bytes, std::string& reason);

}  // namespace vardeck::z4config
