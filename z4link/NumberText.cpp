#include "z4link/NumberText.h"

namespace vardeck {

std::string fourDigitText(int n) {
    const std::string digits = std::to_string(n);
    if (n <= 9) return "000" + digits;
    if (n <= 99) return "00" + digits;
    if (n > 999) return digits;
    return "0" + digits;
}

std::string phonebookIndexText(int n) {
    const std::string text = fourDigitText(n);
    return text.size() >= 4 ? text.substr(1, 3) : text;
}

}  // namespace vardeck
