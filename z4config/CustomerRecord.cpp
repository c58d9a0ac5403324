#include "z4config/CustomerRecord.h"

#include <algorithm>
#include <vector>

#include "z4config/Cp1250.h"
#include "controls/Utf8.h"

namespace vardeck::z4config {

bool isCustomerField(std::string_view controlName) {
    return std::find(kCustomerFields.begin(), kCustomerFields.end(), controlName) != kCustomerFields.end();
}

std::string storableCustomerText(std::string_view text) {
    return cp1250Representable(text, std::u32string_view(U"\0", 1));
}

CustomerBlock encodeCustomerBlock(std::string_view text) {
    CustomerBlock block{};
    const std::vector<std::uint8_t> bytes = utf8ToCp1250(storableCustomerText(controls::utf8Left(text, kCustomerTextLength)));
    std::copy(bytes.begin(), bytes.end(), block.begin() + 1);
    return block;
}

std::string decodeCustomerBlock(ConstBytes block) {
    if (block.size() <= 1) return {};
    const ConstBytes text = block.subspan(1, std::min(block.size() - 1, kCustomerTextLength));
    const auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
    return cp1250ToUtf8(text.data(), static_cast<std::size_t>(end - text.begin()));
}

}  // namespace vardeck::z4config
