#include "controls/Controls.h"

#include <algorithm>
#include <stdexcept>

#include "controls/Utf8.h"

namespace vardeck::controls {

std::string_view kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "label";
        case ControlKind::Button: return "button";
        case ControlKind::CheckBox: return "check box";
        case ControlKind::Edit: return "edit";
        case ControlKind::ComboBox: return "list";
        case ControlKind::SpinEdit: return "spin edit";
        case ControlKind::CheckList: return "check list";
        case ControlKind::Grid: return "grid";
        case ControlKind::Page: return "page";
        case ControlKind::StatusBar: return "status bar";
        case ControlKind::Panel: return "panel";
        case ControlKind::Picture: return "picture";
        case ControlKind::Lamp: return "lamp";
        case ControlKind::Gauge: return "gauge";
        case ControlKind::MenuItem: return "menu item";
        case ControlKind::Form: return "window";
    }
    return "control";
}

bool CheckBox::setChecked(bool on) { return assign(checked_, on); }

bool EditMask::accepts(std::string_view text) const {
    const std::u32string chars = utf8Decode(text);
    if (chars.size() > positions.size()) return false;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (c == U' ') continue;
        if (c >= 0x80 || positions[i].find(static_cast<char>(c)) == std::string::npos) return false;
    }
    return true;
}

bool Edit::setText(std::string text) { return assign(text_, std::move(text)); }

std::size_t Edit::length() const { return utf8Length(text_); }

bool Edit::accepts(std::string_view text) const {
    if (!utf8Valid(text)) return false;
    if (maxLength_ != 0 && utf8Length(text) > maxLength_) return false;
    return !masked() || mask_.accepts(text);
}

ComboBox::ComboBox(std::string name, std::vector<std::string> items, int itemIndex)
    : Control(ControlKind::ComboBox, std::move(name)), items_(std::move(items)) {
    setItemIndex(itemIndex);
}

bool ComboBox::setItemIndex(int index) {
    if (index < 0 || index >= count()) index = -1;
    return assign(itemIndex_, index);
}

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    changed();
}

std::string ComboBox::itemText() const { return itemIndex_ < 0 ? std::string() : items_[itemIndex_]; }

void ComboBox::setItemCaption(int index, std::string text) { assign(items_.at(index), std::move(text)); }

SpinEdit::SpinEdit(std::string name, int minValue, int maxValue, int value)
    : Control(ControlKind::SpinEdit, std::move(name)), min_(minValue), max_(std::max(minValue, maxValue)), value_(minValue) {
    setValue(value);
}

bool SpinEdit::setValue(long long value) {
    return assign(value_, static_cast<int>(std::clamp<long long>(value, min_, max_)));
}

bool SpinEdit::setRange(int minValue, int maxValue) {
    assign(min_, minValue);
    assign(max_, std::max(minValue, maxValue));
    return setValue(value_);
}

CheckList::CheckList(std::string name, std::vector<std::string> captions) : Control(ControlKind::CheckList, std::move(name)) {
    for (auto& c : captions) items_.push_back({std::move(c)});
}

std::uint32_t CheckList::checkedBits() const {
    std::uint32_t bits = 0;
    for (int i = 0; i < count() && i < 32; ++i)
        if (items_[i].checked) bits |= 1u << i;
    return bits;
}

void CheckList::setCheckedBits(std::uint32_t bits) {
    for (int i = 0; i < count() && i < 32; ++i) assign(items_[i].checked, ((bits >> i) & 1u) != 0);
}

Grid::Grid(std::string name, int rowCount, int colCount, int fixedRows)
    : Control(ControlKind::Grid, std::move(name)), rows_(rowCount), cols_(colCount), fixed_(fixedRows),
      cells_(static_cast<std::size_t>(rowCount) * colCount) {}

void Grid::setRowCount(int rows) {
    if (rows < fixed_) rows = fixed_;
    // Row-major storage: the cells of the rows that stay keep their place.
    cells_.resize(static_cast<std::size_t>(rows) * cols_);
    assign(rows_, rows);
    if (selectedRow_ >= rows_) select(-1, -1);
}

void Grid::select(int row, int col) {
    const bool inside = row >= 0 && row < rows_ && col >= 0 && col < cols_;
    assign(selectedRow_, inside ? row : -1);
    assign(selectedCol_, inside ? col : -1);
}

std::size_t Grid::index(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) throw std::out_of_range("grid cell outside " + name());
    return static_cast<std::size_t>(row) * cols_ + col;
}

}  // namespace vardeck::controls
