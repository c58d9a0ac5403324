#include "z4config/ProfileFormat.h"

#include <algorithm>

#include "z4config/Z4Editor.h"

namespace vardeck::z4config {

std::size_t profileImageLength(int deviceType) { return deviceType == kTypeCid ? kImageSize : kShortImageLength; }

std::vector<std::uint8_t> makeProfile(const Image& image, int deviceType, const CustomerFields& customer) {
    const std::size_t n = profileImageLength(deviceType);
    std::vector<std::uint8_t> file(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(n));
    for (const std::string& text : customer) {
        const CustomerBlock block = encodeCustomerBlock(text);
        file.insert(file.end(), block.begin(), block.end());
    }
    return file;
}

ProfileRead readProfile(ConstBytes file, int deviceType) {
    if (file.size() > kLongProfileSize) return {std::nullopt, ProfileProblem::TooLong};
    const std::size_t needed = profileImageLength(deviceType);
    // Where the file's customer record starts: after the image part its length shows.
    std::size_t stored = needed;
    if (file.size() == kLongProfileSize) stored = kImageSize;
    else if (file.size() == kShortProfileSize) stored = kShortImageLength;
    if (stored < needed || file.size() < stored + kCustomerRecordSize) return {std::nullopt, ProfileProblem::TooShort};

    ProfileContent content;
    content.imageBytes.assign(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(needed));
    for (std::size_t i = 0; i < content.customer.size(); ++i)
        content.customer[i] = decodeCustomerBlock(file.subspan(stored + i * kCustomerBlockSize, kCustomerBlockSize));
    return {std::move(content), ProfileProblem::None};
}

}  // namespace vardeck::z4config
