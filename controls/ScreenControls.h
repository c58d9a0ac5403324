#pragma once
#include <string>

#include "controls/Control.h"
#include "controls/Rgb.h"

namespace vardeck::controls {

// Pictures are named symbolically ("flags/hungarian", "logo", "fallback") or by a
// file path; the view turns the name into an image. An empty name leaves what the
// view's design shows.

// A framed area with a caption, a background colour, a caption colour and an optional
// picture (the model panels of the search view).
class Panel : public Control {
public:
    explicit Panel(std::string name, std::string caption = {}, bool visible = true)
        : Control(ControlKind::Panel, std::move(name), std::move(caption)) {
        setVisible(visible);
    }
    Rgb color() const { return color_; }
    void setColor(Rgb c) { assign(color_, c); }
    Rgb fontColor() const { return fontColor_; }
    void setFontColor(Rgb c) { assign(fontColor_, c); }
    const std::string& picture() const { return picture_; }
    void setPicture(std::string name) { assign(picture_, std::move(name)); }

private:
    Rgb color_ = kButtonFace;
    Rgb fontColor_ = kBlack;
    std::string picture_;
};

// A picture on its own; clicking it may be the screen's action (the language flags).
class Picture : public Control {
public:
    explicit Picture(std::string name, std::string picture = {}, bool visible = true)
        : Control(ControlKind::Picture, std::move(name)), picture_(std::move(picture)) {
        setVisible(visible);
    }
    const std::string& picture() const { return picture_; }
    void setPicture(std::string name) { assign(picture_, std::move(name)); }

private:
    std::string picture_;
};

// An indicator lamp: lit or dark, in a colour (the square lamps show a colour rather
// than a lit state).
class Lamp : public Control {
public:
    explicit Lamp(std::string name, bool visible = true) : Control(ControlKind::Lamp, std::move(name)) {
        setVisible(visible);
    }
    bool lit() const { return lit_; }
    void setLit(bool on) { assign(lit_, on); }
    Rgb color() const { return color_; }
    void setColor(Rgb c) { assign(color_, c); }

private:
    bool lit_ = false;
    Rgb color_ = kRed;
};

// A progress gauge from 0 to max; progress stays within that range.
class Gauge : public Control {
public:
    explicit Gauge(std::string name, int max = 100) : Control(ControlKind::Gauge, std::move(name)), max_(max < 0 ? 0 : max) {}
    int progress() const { return progress_; }
    void setProgress(int value) { assign(progress_, value < 0 ? 0 : (value > max_ ? max_ : value)); }
    int max() const { return max_; }
    // A new range (a screen shows operations of different lengths on one bar); the
    // progress stays within it.
    void setMax(int max) {
        assign(max_, max < 0 ? 0 : max);
        setProgress(progress_);
    }
    // The colour of the bar (a signal gauge shows the strength band by it).
    Rgb color() const { return color_; }
    void setColor(Rgb c) { assign(color_, c); }

private:
    int progress_ = 0;
    int max_;
    Rgb color_ = kNavy;
};

// An item of a main or popup menu; choosing it is the screen's action. A checkable
// item carries a check mark.
class MenuItem : public Control {
public:
    MenuItem(std::string name, std::string caption, bool checkable = false)
        : Control(ControlKind::MenuItem, std::move(name), std::move(caption)), checkable_(checkable) {}
    bool checkable() const { return checkable_; }
    bool checked() const { return checked_; }
    void setChecked(bool on) { assign(checked_, on); }

private:
    bool checkable_;
    bool checked_ = false;
};

// The window of a screen: its caption, background colour and icon. Showing and hiding
// windows is the program's navigation, not a control state.
class Form : public Control {
public:
    explicit Form(std::string name, std::string caption = {})
        : Control(ControlKind::Form, std::move(name), std::move(caption)) {}
    Rgb color() const { return color_; }
    void setColor(Rgb c) { assign(color_, c); }
    const std::string& icon() const { return icon_; }  // symbolic name; empty = the program's own
    void setIcon(std::string name) { assign(icon_, std::move(name)); }

private:
    Rgb color_ = kButtonFace;
    std::string icon_;
};

}  // namespace vardeck::controls
