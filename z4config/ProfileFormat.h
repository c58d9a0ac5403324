#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "z4config/CustomerRecord.h"
#include "z4config/ImageEncodings.h"

namespace vardeck::z4config {

// A profile file ("*.dat") keeps a module's settings with its customer record, with no
// header, version or checksum: image bytes 0 to N-1, then the six 128-byte customer
// blocks in field order. N is 8192 for the Z-CID (device type 100), whose image holds
// the code tables, and 1024 for every other model; files are 8960 or 1792 bytes long.
//
// The personal profile "custom.dat" holds image bytes 0 to 1023 and nothing else.
inline constexpr std::size_t kCustomerRecordSize = kCustomerBlockSize * kCustomerFields.size();  // 768
inline constexpr std::size_t kShortImageLength = 1024;
inline constexpr std::size_t kShortProfileSize = kShortImageLength + kCustomerRecordSize;  // 1792
inline constexpr std::size_t kLongProfileSize = kImageSize + kCustomerRecordSize;          // 8960
inline constexpr std::size_t kPersonalProfileSize = kShortImageLength;

// How many image bytes a profile carries for the connected device type.
std::size_t profileImageLength(int deviceType);

// The file for the connected device type.
std::vector<std::uint8_t> makeProfile(const Image& image, int deviceType, const CustomerFields& customer);

// What reading a profile's bytes for the connected device type gives.
struct ProfileContent {
    std::vector<std::uint8_t> imageBytes;  // image bytes 0 to N-1 for the connected type
    CustomerFields customer;
};
enum class ProfileProblem {
    None,
    TooShort,  // holds fewer image bytes than the connected type needs, or no customer record
    TooLong,   // longer than any profile: not a profile file
};
struct ProfileRead {
    std::optional<ProfileContent> content;  // set when problem is None
    ProfileProblem problem = ProfileProblem::None;
};

// Reads a profile. A file of 1792 or 8960 bytes is read by its own layout, so a Z-CID
// profile opened for another model gives its first 1024 image bytes and its own
// customer record. A file of another length is read by the connected type's layout.
// Either way the file must hold the N image bytes of the connected type followed by a
// whole customer record, and be no longer than 8960 bytes.
ProfileRead readProfile(ConstBytes file, int deviceType);

}  // namespace vardeck::z4config
