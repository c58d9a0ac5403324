#pragma once
#include <string>
#include <string_view>

namespace vardeck::controls {

// What sort of screen element a control stands for; the view binder picks the widget
// type by it and the JSON export the fields it writes.
enum class ControlKind { Label, Button, CheckBox, Edit, ComboBox, SpinEdit, CheckList, Grid, Page, StatusBar };

std::string_view kindName(ControlKind kind);

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
    void setEnabled(bool on) { enabled_ = on; }
    bool visible() const { return visible_; }
    void setVisible(bool on) { visible_ = on; }
    // The caption of a check box, label, button or page; unused by the other kinds.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string text) { caption_ = std::move(text); }

protected:
    Control(ControlKind kind, std::string name, std::string caption = {})
        : name_(std::move(name)), caption_(std::move(caption)), kind_(kind) {}

private:
    std::string name_;
    std::string caption_;
    ControlKind kind_;
    bool enabled_ = true;
    bool visible_ = true;
};

}  // namespace vardeck::controls
