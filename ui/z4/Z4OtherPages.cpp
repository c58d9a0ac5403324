// The phone numbers, the outputs, the life signal, "Egyéb", the caller-ID phone book,
// GPS and GPRS pages.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/z4/Z4Pages.h"
#include "ui/z4/Z4Widgets.h"

namespace vardeck::ui::z4 {
namespace {

// A row of widgets followed by stretch.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    for (QWidget* w : widgets) line->addWidget(w);
    line->addStretch();
    return line;
}

}  // namespace

QWidget* phonePage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet1", parent);
    column->addWidget(title("Label1", page));
    auto* grid = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        const QByteArray labelName = "Label" + QByteArray::number(i + 2);
        const QByteArray fieldName = "MaskEdit" + QByteArray::number(i + 1);
        grid->addWidget(label(labelName.constData(), page), i, 0);
        QLineEdit* field = edit(fieldName.constData(), page);
        // 16 positions: a digit, "+" or "-" first, then digits; all optional.
        field->setInputMask("#999999999999999;_");
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance("+00000000000000000") + 16);
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        grid->addWidget(field, i, 1);
    }
    grid->setColumnStretch(2, 1);
    column->addLayout(grid);
    column->addWidget(memo("Memo7", page));
    return endPage(column, page);
}

QWidget* placeholderPage(const char* name, QWidget* parent) { return page(name, parent); }

QWidget* outputPage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet10", parent);
    struct Output {
        const char *title, *mode, *timeLabel, *time, *unit;
        std::initializer_list<const char*> boxes;
    };
    const Output outputs[] = {
        {"Label34", "ComboKi1", "Label36", "SpinKI1", "KI1SECMIN", {"CheckBox1KI1", "CheckBox2KI1", "CheckBox3KI1"}},
        {"Label35", "ComboKi2", "Label37", "SpinKI2", "KI2SECMIN", {"CheckBox1KI2", "CheckBox2KI2"}},
    };
    for (const Output& o : outputs) {
        column->addWidget(title(o.title, page));
        auto* grid = new QGridLayout;
        grid->setContentsMargins(16, 0, 0, 0);
        grid->addLayout(row({list(o.mode, page)}), 0, 0, 1, 2);
        grid->addLayout(row({label(o.timeLabel, page), spin(o.time, page), radioGroup(o.unit, 2, page)}), 1, 0, 1, 2);
        int r = 2;
        for (const char* box : o.boxes) grid->addWidget(check(box, page), r++, 0, 1, 2);
        column->addLayout(grid);
        column->addSpacing(8);
    }
    auto* note = label("Label82", page);
    note->setWordWrap(true);
    column->addWidget(note);
    return endPage(column, page);
}

QWidget* lifeSignalPage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet13", parent);
    column->addWidget(check("CheckBox11", page));
    auto* grid = new QGridLayout;
    grid->setContentsMargins(16, 0, 0, 0);
    const char* rows[][2] = {{"SpinEdit1", "Label49"}, {"SpinEdit2", "Label50"}, {"SpinEdit3", "Label51"}};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(spin(rows[i][0], page), i, 0);
        grid->addWidget(label(rows[i][1], page), i, 1);
    }
    grid->setColumnStretch(2, 1);
    column->addLayout(grid);
    auto* text = new QHBoxLayout;
    text->addWidget(label("Label53", page));
    text->addWidget(edit("riasztas11", page), 1);
    column->addLayout(text);
    column->addLayout(row({labelledList("Label52", "SMSst11", page)}));
    column->addLayout(row({button("Button16", page)}));
    return endPage(column, page);
}

QWidget* otherPage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet14", parent);
    column->addWidget(check("CheckEgyeb1", page));
    auto* grid = new QGridLayout;
    int r = 0;
    auto add = [&](QWidget* caption, QWidget* field) {
        grid->addWidget(caption, r, 0);
        grid->addLayout(row({field}), r++, 1);
    };
    add(label("Label54", page), spin("SpinEdit4", page));
    add(label("Label55", page), spin("SpinEdit5", page));
    add(check("CheckEgyeb2", page), list("ComboBox11", page));
    QLineEdit* code = edit("Edit1", page);
    code->setMaximumWidth(code->fontMetrics().horizontalAdvance("00000000") + 16);
    add(label("Label56", page), code);
    add(label("Label57", page), list("ComboBox12", page));
    QLineEdit* restore = edit("Edit8", page);
    restore->setMinimumWidth(300);
    grid->addWidget(label("Label64", page), r, 0);
    grid->addWidget(restore, r++, 1);
    QLineEdit* header = edit("Edit12", page);
    grid->addWidget(label("Label180", page), r, 0);
    auto* headerRow = new QHBoxLayout;
    headerRow->addWidget(header, 1);
    headerRow->addWidget(label("Label181", page));
    grid->addLayout(headerRow, r++, 1);
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);
    for (const char* box : {"CheckEgyeb3", "CheckEgyeb4", "CheckEgyeb5", "CheckEgyeb6"})
        column->addWidget(check(box, page));
    column->addWidget(memo("Memo6", page));

    // The Z-CID's line gains, written on their own with "PSTN send".
    auto* gains = new QGridLayout;
    const char* gainRows[][2] = {
        {"Label120", "SpinEdit11"}, {"Label121", "SpinEdit12"}, {"Label122", "SpinEdit13"}, {"Label123", "SpinEdit14"}};
    for (int i = 0; i < 4; ++i) {
        gains->addWidget(label(gainRows[i][0], page), i / 2, (i % 2) * 2);
        gains->addWidget(spin(gainRows[i][1], page), i / 2, (i % 2) * 2 + 1);
    }
    gains->addWidget(button("Button5", page), 0, 4);
    gains->setColumnStretch(5, 1);
    column->addLayout(gains);
    return endPage(column, page);
}

QWidget* callerIdPage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet15", parent);
    column->addWidget(check("CheckEgyeb2_1", page));
    auto* body = new QHBoxLayout;
    QTableWidget* book = grid("StringGrid1", page);
    book->setMinimumHeight(220);
    // Location, number, name: room for a whole international number.
    book->setColumnCount(3);
    book->setColumnWidth(0, 70);
    book->setColumnWidth(1, 180);
    // The user types the numbers and names into the cells; the binder hands each
    // finished cell to the model's grid.
    book->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    body->addWidget(book, 1);
    auto* buttons = new QVBoxLayout;
    for (const char* name : {"BitBtn5", "BitBtn6", "Button2", "Button3", "Button4"})
        buttons->addWidget(button(name, page));
    buttons->addWidget(check("CheckBox12", page));
    buttons->addStretch();
    body->addLayout(buttons);
    column->addLayout(body, 1);
    // The phonebook read or write's progress; hidden while neither runs.
    column->addWidget(gauge("Gauge2", page));
    return page;
}

QWidget* gpsPage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet17", parent);
    column->addWidget(check("GPSbit0", page));
    column->addWidget(check("GPSbit1", page));
    return endPage(column, page);
}

QWidget* gprsPage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet20", parent);
    auto* grid = new QGridLayout;
    grid->addWidget(label("Label88", page), 0, 0);
    grid->addLayout(row({spin("SpinEdit10", page)}), 0, 1);
    grid->addWidget(label("Label89", page), 1, 0);
    grid->addLayout(row({list("ComboBox14", page)}), 1, 1);
    // Access point and server: filled by the choice above, not shown.
    grid->addWidget(edit("Edit10", page), 2, 1);
    grid->addWidget(edit("Edit11", page), 3, 1);
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);
    return endPage(column, page);
}

}  // namespace vardeck::ui::z4
