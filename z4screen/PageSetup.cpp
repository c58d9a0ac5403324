#include "z4screen/PageSetup.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "z4screen/ConfiguratorControls.h"

namespace vardeck::z4screen {

using namespace z4config;

namespace {

// The pages of each model; the others of the page set below are hidden.
std::vector<std::string_view> pagesOf(int code) {
    const std::vector<std::string_view> z4 = {"TabSheet1",  "TabSheet2",  "TabSheet3",  "TabSheet4",
                                              "TabSheet5",  "TabSheet10", "TabSheet11", "TabSheet12",
                                              "TabSheet13", "TabSheet14", "TabSheet15"};
    std::vector<std::string_view> pages;
    switch (code) {
        case kTypeZ4: pages = z4; pages.push_back("TabSheet16"); break;
        case kTypeTrix: pages = z4; pages.push_back("TabSheet22"); break;
        case kTypeZ1:
            pages = {"TabSheet1",  "TabSheet2",  "TabSheet3",  "TabSheet10", "TabSheet11",
                     "TabSheet13", "TabSheet14", "TabSheet15", "TabSheet16"};
            break;
        case kTypeGps:
            pages = z4;
            pages.insert(pages.end(), {"TabSheet17", "TabSheet18", "TabSheet19"});
            break;
        case kTypeCid: pages = {"TabSheet1", "TabSheet14", "TabSheet20", "TabSheet21"}; break;
        default: pages = z4; break;
    }
    return pages;
}

bool firmwareDecides(std::string_view page) { return page == "TabSheet24" || page == "TabSheet27"; }

}  // namespace

void hideOptionalPages(const ScreenTargets& targets) {
    targets.show({"TabSheet20", "TabSheet21", "TabSheet22", "SpinEdit11", "SpinEdit12", "SpinEdit13", "SpinEdit14",
                  "Label120", "Label121", "Label122", "Label123", "Button5"},
                 false);
}

void applyPageSet(int code, const ScreenTargets& targets, Z4Editor& editor) {
    editor.setUpForDeviceType(code);
    const std::vector<std::string_view> shown = pagesOf(code);
    for (const PageEntry& page : pageOrder()) {
        if (firmwareDecides(page.name)) continue;
        const bool visible = std::find(shown.begin(), shown.end(), page.name) != shown.end();
        if (auto* control = targets.find(page.name)) control->setVisible(visible && !isPlaceholderPage(page.name));
    }
    const bool fourPhones = code == kTypeZ1;
    targets.show({"Label6", "Label7", "Label8", "Label9"}, !fourPhones);
    targets.show({"Label35", "Label37"}, !fourPhones);
    targets.show({"Label82", "Label83"}, code == kTypeTrix);
    targets.show({"Label120", "Label121", "Label122", "Label123", "Button5"}, code == kTypeCid);
}

}  // namespace vardeck::z4screen
