#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vardeck::controls {

// What sort of screen element a control stands for; the view binder picks the widget
// type by it and the JSON export the fields it writes.
enum class ControlKind {
    Label, Button, CheckBox, Edit, ComboBox, SpinEdit, CheckList, Grid, Page, StatusBar,
    Panel, Picture, Lamp, Gauge, MenuItem, Form
};

std::string_view kindName(ControlKind kind);

// Where a screen moves a widget away from the place its view's design gives it, in
// pixels (a brand's rearrangement). Shifts add to the designed geometry, a set absolute
// value replaces it. Views laid out by hand apply it; a layout manager places its
// widgets itself (a hidden widget there gives its room to the others).
struct Placement {
    std::optional<int> left, top, width, height;
    int leftShift = 0, topShift = 0, widthShift = 0, heightShift = 0;
    bool operator==(const Placement&) const = default;
};

// A headless screen element: the state a widget shows, without any widget. Screens own
// their controls through a ControlRegistry and bind widgets to them by name (the
// widget's objectName is the control's name). Setters only store the state; the rules
// that follow a user's change belong to the screen that owns the control.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { assign(enabled_, on); }
    bool visible() const { return visible_; }
    void setVisible(bool on) { assign(visible_, on); }
    // The caption of a check box, label, button, page, panel, menu item or window;
    // unused by the other kinds.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string text) { assign(caption_, std::move(text)); }
    const Placement& placement() const { return placement_; }
    // The placement to change (counts as a change of the control).
    Placement& editPlacement() {
        changed();
        return placement_;
    }

    // Goes up with every change of the control's state, so that a view can leave the
    // widgets of unchanged controls alone.
    std::uint64_t revision() const { return revision_; }

protected:
    Control(ControlKind kind, std::string name, std::string caption = {})
        : name_(std::move(name)), caption_(std::move(caption)), kind_(kind) {}

    void changed() { ++revision_; }
    // Stores a new value of a member; a change raises the revision. True when it changed.
    template <class T, class V>
    bool assign(T& member, V&& value) {
        if (member == value) return false;
        member = std::forward<V>(value);
        changed();
        return true;
    }

private:
    std::string name_;
    std::string caption_;
    ControlKind kind_;
    Placement placement_;
    bool enabled_ = true;
    bool visible_ = true;
    std::uint64_t revision_ = 0;
};

}  // namespace vardeck::controls
