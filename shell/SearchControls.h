#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vardeck {

// Value objects for the controls of the start-up, search and port screens. A view
// binds each widget to the control of the same name (see ControlRegistry) and
// copies the state over after every event the model handled.

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kSearchGrey{193, 193, 193};   // search view background and model panels
inline constexpr Rgb kCaptionGrey{50, 50, 50};     // model panel captions

// A periodic timer the host drives: while enabled it calls the model's tick entry
// point every `interval` ms. `generation` changes whenever the timer is started
// or its interval changes; the host then counts the interval afresh from that
// moment. Starting a running timer, or setting the interval it already has,
// changes nothing and does not restart the count.
class ModelTimer {
public:
    explicit ModelTimer(int intervalMs, bool enabled = false) : interval_(intervalMs), enabled_(enabled) {}

    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    unsigned generation() const { return generation_; }

    void setEnabled(bool on) {
        if (on == enabled_) return;
        enabled_ = on;
        ++generation_;
    }
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    void setInterval(int ms) {
        if (ms == interval_) return;
        interval_ = ms;
        ++generation_;
    }

private:
    int interval_;
    bool enabled_;
    unsigned generation_ = 0;
};

struct PanelControl {
    explicit PanelControl(std::string caption = {}, bool visible = true)
        : caption(std::move(caption)), visible(visible) {}
    std::string caption;
    bool visible = true;
    Rgb color = kSearchGrey;
    Rgb fontColor = kCaptionGrey;
    std::string picture;  // symbolic picture name; empty = the layout's own
};

struct PictureControl {
    explicit PictureControl(bool visible = true, std::string picture = {})
        : visible(visible), picture(std::move(picture)) {}
    bool visible = true;
    std::string picture;  // symbolic picture name or a file path; empty = the layout's own
    int left = -1;        // -1 = where the layout puts it
};

struct ButtonControl {
    explicit ButtonControl(std::string caption = {}) : caption(std::move(caption)) {}
    std::string caption;
    bool visible = true;
    bool enabled = true;
    int topShift = 0;  // pixels moved down (negative: up) from the layout position
};

struct LampControl {
    explicit LampControl(bool visible = true) : visible(visible) {}
    bool visible = true;
    bool lit = false;
    Rgb color = kRed;  // for the square lamps, which show a colour instead of on/off
};

struct GaugeControl {
    int progress = 0;
    int max = 100;
    bool visible = true;
    int topShift = 0;
};

struct LabelControl {
    explicit LabelControl(std::string caption = {}) : caption(std::move(caption)) {}
    std::string caption;
    bool visible = true;
};

struct StatusBarControl {
    std::array<std::string, 5> panels;
};

struct RadioGroupControl {
    RadioGroupControl(std::string caption, std::vector<std::string> items)
        : caption(std::move(caption)), items(std::move(items)) {}
    std::string caption;
    std::vector<std::string> items;
    int itemIndex = -1;  // -1: nothing selected
};

struct SpinEditControl {
    SpinEditControl(int value, int min, int max) : value(value), min(min), max(max) {}
    int value = 0;
    int min = 0;
    int max = 0;
    void setValue(int v) { value = v < min ? min : (v > max ? max : v); }
};

struct ComboBoxControl {
    explicit ComboBoxControl(std::string text = {}) : text(std::move(text)) {}
    std::string text;
    std::vector<std::string> items;
    int itemIndex = -1;
};

// The window itself.
struct ViewControl {
    explicit ViewControl(std::string caption = {}) : caption(std::move(caption)) {}
    std::string caption;
    Rgb color = kSearchGrey;
    int heightShift = 0;  // pixels added to the layout height (negative: lower)
    std::string icon;     // symbolic icon name; empty = the program's own
};

using ControlRef = std::variant<PanelControl*, PictureControl*, ButtonControl*, LampControl*, GaugeControl*,
                                LabelControl*, StatusBarControl*, RadioGroupControl*, SpinEditControl*,
                                ComboBoxControl*, ViewControl*, ModelTimer*>;

// The controls of one screen by name, so that the view, the text tables and the
// layout data can reach them without a switch over names.
class ControlRegistry {
public:
    template <typename T>
    void add(const std::string& name, T& control) {
        controls_[name] = ControlRef{&control};
    }
    const ControlRef* find(const std::string& name) const {
        auto it = controls_.find(name);
        return it == controls_.end() ? nullptr : &it->second;
    }
    // The control of that name and kind, or nullptr.
    template <typename T>
    T* get(const std::string& name) const {
        const ControlRef* ref = find(name);
        if (!ref) return nullptr;
        T* const* p = std::get_if<T*>(ref);
        return p ? *p : nullptr;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& [name, ref] : controls_) result.push_back(name);
        return result;
    }

private:
    std::map<std::string, ControlRef> controls_;
};

}  // namespace vardeck
