#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/Control.h"
#include "controls/Rgb.h"

namespace vardeck::controls {

class Label : public Control {
public:
    explicit Label(std::string name, std::string caption = {})
        : Control(ControlKind::Label, std::move(name), std::move(caption)) {}
};

class Button : public Control {
public:
    Button(std::string name, std::string caption) : Control(ControlKind::Button, std::move(name), std::move(caption)) {}
};

// A tab sheet of a page control; its caption is the tab text.
class Page : public Control {
public:
    Page(std::string name, std::string caption) : Control(ControlKind::Page, std::move(name), std::move(caption)) {}
};

class CheckBox : public Control {
public:
    CheckBox(std::string name, std::string caption, bool checked = false)
        : Control(ControlKind::CheckBox, std::move(name), std::move(caption)), checked_(checked) {}
    bool checked() const { return checked_; }
    // Returns true when the state changed.
    bool setChecked(bool on);

private:
    bool checked_;
};

// Which characters each position of a masked edit accepts; every position is optional
// and an unfilled position reads as a blank (space) in the text.
struct EditMask {
    std::vector<std::string> positions;  // ASCII characters accepted at each position
    // True when the text fits: no longer than the mask, each character accepted at its
    // position or a blank.
    bool accepts(std::string_view text) const;
};

class Edit : public Control {
public:
    // maxLength 0 = no limit. The limit applies to what a user can type; the program may
    // store longer texts (as a decoded image may hold), and writers cut where they must.
    explicit Edit(std::string name, std::string text = {}, std::size_t maxLength = 0, EditMask mask = {})
        : Control(ControlKind::Edit, std::move(name)), text_(std::move(text)), maxLength_(maxLength),
          mask_(std::move(mask)) {}
    const std::string& text() const { return text_; }
    bool setText(std::string text);  // true when it changed
    std::size_t length() const;      // in characters
    std::size_t maxLength() const { return maxLength_; }
    const EditMask& mask() const { return mask_; }
    bool masked() const { return !mask_.positions.empty(); }
    // True when a user could have typed this text: valid UTF-8, within maxLength and the mask.
    bool accepts(std::string_view text) const;

private:
    std::string text_;
    std::size_t maxLength_;
    EditMask mask_;
};

// A drop-down list or radio group: items and the selected index, -1 for none. Its
// caption is a radio group's title, and the text a drop-down list shows while none of
// its items is selected.
class ComboBox : public Control {
public:
    ComboBox(std::string name, std::vector<std::string> items, int itemIndex = -1);
    const std::vector<std::string>& items() const { return items_; }
    // Replaces the items (a list filled at run time); the selection is cleared.
    void setItems(std::vector<std::string> items);
    int count() const { return static_cast<int>(items_.size()); }
    int itemIndex() const { return itemIndex_; }
    // An index outside the list leaves the list without selection. True when it changed.
    bool setItemIndex(int index);
    // The text of the selected item, empty when none is selected.
    std::string itemText() const;
    void setItemCaption(int index, std::string text);

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

// A spin edit: the value always lies within [minValue, maxValue].
class SpinEdit : public Control {
public:
    SpinEdit(std::string name, int minValue, int maxValue, int value);
    int value() const { return value_; }
    int minValue() const { return min_; }
    int maxValue() const { return max_; }
    // Limits the value to the range, as the spin edit shows it. True when it changed.
    bool setValue(long long value);
    // Sets a new range and limits the value to it. True when the value changed.
    bool setRange(int minValue, int maxValue);
    bool inRange(long long value) const { return value >= min_ && value <= max_; }

private:
    int min_;
    int max_;
    int value_;
};

// A list of check marks; each item has its own caption, check mark and enabled state.
class CheckList : public Control {
public:
    CheckList(std::string name, std::vector<std::string> captions);
    int count() const { return static_cast<int>(items_.size()); }
    bool checked(int index) const { return items_.at(index).checked; }
    void setChecked(int index, bool on) { assign(items_.at(index).checked, on); }
    bool itemEnabled(int index) const { return items_.at(index).enabled; }
    void setItemEnabled(int index, bool on) { assign(items_.at(index).enabled, on); }
    const std::string& itemCaption(int index) const { return items_.at(index).caption; }
    void setItemCaption(int index, std::string text) { assign(items_.at(index).caption, std::move(text)); }
    // Bit n set when item n (n < 32) is checked, and the reverse.
    std::uint32_t checkedBits() const;
    void setCheckedBits(std::uint32_t bits);

private:
    struct Item {
        std::string caption;
        bool checked = false;
        bool enabled = true;
    };
    std::vector<Item> items_;
};

// A grid of text cells; the first fixedRows rows are the header.
class Grid : public Control {
public:
    Grid(std::string name, int rowCount, int colCount, int fixedRows);
    int rowCount() const { return rows_; }
    // Adds empty rows at the end or drops the last ones (never the header).
    void setRowCount(int rows);
    int colCount() const { return cols_; }
    int fixedRows() const { return fixed_; }
    // Cells outside the grid are a programming error (std::out_of_range).
    const std::string& cell(int row, int col) const { return cells_.at(index(row, col)); }
    void setCell(int row, int col, std::string text) { assign(cells_.at(index(row, col)), std::move(text)); }
    // The selected cell (the one a view shows as current); -1, -1 while none is.
    int selectedRow() const { return selectedRow_; }
    int selectedCol() const { return selectedCol_; }
    // A cell outside the grid clears the selection.
    void select(int row, int col);

private:
    std::size_t index(int row, int col) const;
    int rows_;
    int cols_;
    int fixed_;
    std::vector<std::string> cells_;
    int selectedRow_ = -1;
    int selectedCol_ = -1;
};

class StatusBar : public Control {
public:
    StatusBar(std::string name, int panelCount) : Control(ControlKind::StatusBar, std::move(name)), panels_(panelCount) {}
    int count() const { return static_cast<int>(panels_.size()); }
    const std::string& panel(int index) const { return panels_.at(index); }
    void setPanel(int index, std::string text) { assign(panels_.at(index), std::move(text)); }
    // The background of the whole bar (a view shows a lost link in red).
    Rgb color() const { return color_; }
    void setColor(Rgb c) { assign(color_, c); }

private:
    std::vector<std::string> panels_;
    Rgb color_ = kButtonFace;
};

}  // namespace vardeck::controls
