#include "z4screen/GsmViews.h"

#include "z4config/Cp1250.h"

namespace vardeck::z4screen {

void GridPhonebook::setRowCount(int rows) { grid_.setRowCount(rows); }

std::string GridPhonebook::cell(int row, int column) const {
    if (row < 0 || row >= grid_.rowCount() || column < 0 || column >= grid_.colCount()) return {};
    return z4config::utf8ToCp1250Bytes(grid_.cell(row, column));
}

void GridPhonebook::setCell(int row, int column, const std::string& text) {
    if (row < 0 || row >= grid_.rowCount() || column < 0 || column >= grid_.colCount()) return;
    grid_.setCell(row, column, z4config::cp1250BytesToUtf8(text));
}

const std::vector<SmsCentreView::Preset>& SmsCentreView::presets() {
    static const std::vector<Preset> list = {
        {"Button1", "T-Mobile", "+36309888000"},
        {"Button2", "Telenor", "+36209300099"},
        {"Button3", "Vodafone", "+36709996500"},
    };
    return list;
}

void BalanceView::start() {
    Memo1.setText("");
    Panel1.setCaption("Lekérés folyamatban, kérem várjon");
    Panel1.setColor(controls::kRed);
}

void BalanceView::show(const std::string& utf8Answer) {
    Panel1.setCaption("Sikeresen végrehajtva...");
    Memo1.setText(utf8Answer);
    Panel1.setColor(controls::kGreen);
}

}  // namespace vardeck::z4screen
