#pragma once
#include <string>

namespace vardeck {

// Decimal text of n zero-filled on the left to four digits: 7 -> "0007",
// 250 -> "0250"; numbers above 999 keep their own digits.
std::string fourDigitText(int n);
// The three-digit phonebook index of the modem commands, "001" to "250": the
// second to fourth characters of fourDigitText.
std::string phonebookIndexText(int n);

}  // namespace vardeck
