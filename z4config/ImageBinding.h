#pragma once
#include <string>

#include "z4config/ImageEncodings.h"
#include "z4config/ImageLayout.h"
#include "z4config/Z4Editor.h"

namespace vardeck::z4config {

// What the encoder needs from outside the editor. The caller reads the settings store
// and the brand of the build, so this library depends on neither.
struct EncodeContext {
    std::string company;                    // the settings value "company"
    std::string brandCompanyName = "TRIX";  // the brand's fixed name, used unless company starts with '*'
};

// The text of the image's company field: the company value without its leading '*',
// or the brand's fixed name when there is no star.
std::string companyFieldText(const EncodeContext& context);
inline constexpr std::size_t kCompanyOffset = 384;
inline constexpr std::size_t kCompanyMaxLength = 16;

// Fills the editor from the image, in the module's field order, running the page
// refreshes and control rules the fields trigger. Rewrites the image in two ways only:
// the accent mapping of every text it reads, and bytes 120 and 121 set to 0.
void decodeImage(Image& image, Z4Editor& editor);

// Writes the editor into the image. Bytes of no field are left as they are. The caller
// runs editor.refreshPagesBeforeWrite() first when the image goes to a module. Unchecks
// the recipient items that are disabled (their phone number is empty).
void encodeImage(Z4Editor& editor, Image& image, const EncodeContext& context);

// True when the encode writes the field for the editor's device type and firmware.
bool encodeWrites(const Field& field, const Z4Editor& editor);

}  // namespace vardeck::z4config
