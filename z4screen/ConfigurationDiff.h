#pragma once
#include <optional>
#include <string>
#include <vector>

#include "i18n/Language.h"
#include "z4config/ImageBinding.h"
#include "z4config/Z4Editor.h"

namespace vardeck::z4screen {

// One control whose value differs between two configurations.
struct ControlDifference {
    std::string name;
    std::string caption;  // in the language asked for
    std::string valueA;
    std::string valueB;
};

// The configuration image a file holds: an 8192-byte image, or the image bytes of a
// profile for the device type. Nothing and the reason (with the sizes) otherwise.
std::optional<z4config::Image> readConfigurationFile(const std::string& path, int deviceType, std::string& reason);

// The controls (grids aside) whose values differ, in the editor's order.
std::vector<ControlDifference> diffEditors(const z4config::Z4Editor& a, const z4config::Z4Editor& b,
                                           i18n::Language language);

// A control's caption in a language: its text-table row (copy rows follow their
// source), else its design caption.
std::string captionIn(const controls::Control& control, i18n::Language language);

}  // namespace vardeck::z4screen
