#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "z4config/Z4Editor.h"
#include "controls/ControlRegistry.h"
#include "controls/Controls.h"
#include "controls/Rgb.h"

namespace vardeck::z4screen {

// The configurator's window colour (brand 50 keeps the system's face), also the
// colour of the four-area brand's help texts.
inline constexpr controls::Rgb kConfiguratorColor{174, 204, 248};

// A progress gauge whose range changes with each operation. It reports itself as a
// label, so a generic binder keeps only its visibility; the view shows the position.
class ProgressGauge : public controls::Control {
public:
    explicit ProgressGauge(std::string name) : Control(controls::ControlKind::Label, std::move(name)) {}
    int max() const { return max_; }
    int progress() const { return progress_; }
    void setMax(int max) { assign(max_, max < 1 ? 1 : max); }
    void setProgress(int progress) { assign(progress_, progress < 0 ? 0 : progress); }

private:
    int max_ = 100;
    int progress_ = 0;
};

// The tab pages of the configurator in tab order, and the refresh routine each one
// runs when it is shown (and the rule it runs when it is left).
struct PageEntry {
    const char* name;
    std::optional<z4config::Z4Page> page;
};
const std::vector<PageEntry>& pageOrder();
std::optional<z4config::Z4Page> editorPage(std::string_view pageName);
inline constexpr const char* kFirstPage = "TabSheet1";
// True for the placeholder pages "Be5" to "Be8", which are never shown.
bool isPlaceholderPage(std::string_view page);

// The screen's own controls besides the editor's: pages, captions, buttons, the
// gauges, the clock, the phone book of the caller-ID page and the sound page.
// Design captions are Hungarian.
void addScreenControls(controls::ControlRegistry& registry);

// The menu bar: every item with the submenu it sits in (empty: on the bar itself),
// in menu order, a submenu before its items.
struct MenuEntry {
    const char* name;
    const char* parent;
};
const std::vector<MenuEntry>& menuLayout();
void addMenuItems(controls::ControlRegistry& registry);

// Controls that belong to operations not built yet; they are shown but stay disabled.
const std::vector<std::string>& notYetAvailableControls();
bool notYetAvailable(std::string_view name);
// Controls shown only in the service mode (the factory-test buttons).
const std::vector<std::string>& factoryTestControls();

}  // namespace vardeck::z4screen
