// The input-like pages: an input type, its inversion and options, the alarm text and
// the two recipient lists, with a few extra fields on some pages.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

#include "ui/widgets/LampWidget.h"
#include "ui/z4/Z4Pages.h"
#include "ui/z4/Z4Widgets.h"

namespace vardeck::ui::z4 {
namespace {

using Row = std::pair<const char*, const char*>;  // caption label, field

struct InputPageDesign {
    const char* page;
    const char* title;  // nullptr: none
    Row type;
    const char* inversion;
    std::initializer_list<const char*> options;
    Row text;
    Row sms;
    Row call;
    std::initializer_list<Row> extras;  // further "caption: field" rows
    const char* memo = nullptr;         // the page's help memo, if it has one
};

// A field beside its caption: a list for the ComboBox controls, else a spin edit.
QWidget* fieldRow(const Row& row, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(label(row.first, box));
    if (QString(row.second).startsWith("ComboBox")) line->addWidget(list(row.second, box));
    else line->addWidget(spin(row.second, box));
    line->addStretch();
    return box;
}

QWidget* buildInputPage(const InputPageDesign& d, QWidget* parent) {
    auto [page, column] = scrolledPage(d.page, parent);
    if (d.title) column->addWidget(title(d.title, page));

    auto* form = new QGridLayout;
    form->addWidget(label(d.type.first, page), 0, 0);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(list(d.type.second, page));
    typeRow->addSpacing(16);
    typeRow->addWidget(check(d.inversion, page));
    typeRow->addStretch();
    form->addLayout(typeRow, 0, 1);
    form->addWidget(label(d.text.first, page), 1, 0);
    auto* text = edit(d.text.second, page);
    text->setMinimumWidth(300);
    form->addWidget(text, 1, 1);
    int row = 2;
    for (const Row& extra : d.extras) form->addWidget(fieldRow(extra, page), row++, 0, 1, 2);
    form->setColumnStretch(1, 1);
    column->addLayout(form);

    // The options in two columns, beside the recipient lists.
    auto* lower = new QHBoxLayout;
    auto* options = new QVBoxLayout;
    for (const char* option : d.options) options->addWidget(check(option, page));
    options->addStretch();
    lower->addLayout(options, 1);
    lower->addWidget(labelledList(d.sms.first, d.sms.second, page));
    if (d.call.second) lower->addWidget(labelledList(d.call.first, d.call.second, page));
    column->addLayout(lower);
    if (d.memo) column->addWidget(memo(d.memo, page));
    return endPage(column, page);
}

}  // namespace

QWidget* inputPage(int input, QWidget* parent) {
    switch (input) {
        case 1:
            return buildInputPage({"TabSheet2", "Label11", {"Label13", "ComboBox1"}, "CheckBox1",
                                   {"best11", "best13", "best14", "best15", "best16", "best17"}, {"Label14", "riasztas"},
                                   {"Label10", "SMSst1"}, {"Label12", "VOICEst1"}, {}, "Memo1"},
                                  parent);
        case 2:
            return buildInputPage({"TabSheet3", "Label31", {"Label28", "ComboBox2"}, "CheckBox2",
                                   {"best21", "best23", "best24", "best25", "best26", "best27"}, {"Label15", "riasztas2"},
                                   {"Label19", "SMSst2"}, {"Label27", "VOICEst2"}, {}, "Memo2"},
                                  parent);
        case 3:
            return buildInputPage({"TabSheet4", "Label32", {"Label29", "ComboBox3"}, "CheckBox3",
                                   {"best31", "best33", "best34", "best35", "best36", "best37"}, {"Label16", "riasztas3"},
                                   {"Label20", "SMSst3"}, {"Label21", "VOICEst3"}, {}, "Memo3"},
                                  parent);
        default:
            return buildInputPage({"TabSheet5", "Label33", {"Label30", "ComboBox4"}, "CheckBox4",
                                   {"best41", "best43", "best44", "best45", "best46", "best47"}, {"Label17", "riasztas4"},
                                   {"Label26", "SMSst4"}, {"Label22", "VOICEst4"}, {}, "Memo4"},
                                  parent);
    }
}

QWidget* tamperPage(QWidget* parent) {
    return buildInputPage({"TabSheet11", "Label42", {"Label41", "ComboBox9"}, "CheckBox9",
                           {"best91", "best93", "best95", "best96", "best97"}, {"Label40", "riasztas9"},
                           {"Label38", "SMSst9"}, {"Label43", "VOICEst9"}, {}, "Memo5"},
                          parent);
}

QWidget* powerMonitorPage(QWidget* parent) {
    return buildInputPage({"TabSheet12", "Label47", {"Label46", "ComboBox10"}, "CheckBox10",
                           {"best101", "best103", "best105", "best106", "best107"}, {"Label48", "riasztas10"},
                           {"Label44", "SMSst10"}, {"Label45", "VOICEst10"}, {{"Label175", "ComboBox20"}}},
                          parent);
}

QWidget* speedPage(QWidget* parent) {
    return buildInputPage({"TabSheet18", nullptr, {"Label71", "ComboBox5"}, "CheckBox5", {"BEst51"},
                           {"Label74", "riasztas5"}, {"Label72", "SMSst5"}, {"Label73", "VOICEst5"},
                           {{"Label75", "SpinEdit8"}}},
                          parent);
}

QWidget* liftPage(QWidget* parent) {
    return buildInputPage({"TabSheet19", nullptr, {"Label76", "ComboBox6"}, "CheckBox6", {"BEst61"},
                           {"Label77", "riasztas6"}, {"Label78", "SMSst6"}, {"Label79", "VOICEst6"},
                           {{"Label80", "SpinEdit9"}}},
                          parent);
}

QWidget* temperaturePage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet16", parent);
    column->addWidget(title("Label68", page));

    auto* form = new QGridLayout;
    form->addWidget(label("Label67", page), 0, 0);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(list("ComboBox13", page));
    typeRow->addSpacing(16);
    typeRow->addWidget(check("CheckBox13", page));
    typeRow->addStretch();
    form->addLayout(typeRow, 0, 1);
    form->addWidget(check("hkompmax", page), 1, 0);
    auto* maxRow = new QHBoxLayout;
    maxRow->addWidget(spin("SpinEdit6", page));
    maxRow->addStretch();
    form->addLayout(maxRow, 1, 1);
    form->addWidget(check("hkompmin", page), 2, 0);
    auto* minRow = new QHBoxLayout;
    minRow->addWidget(spin("SpinEdit7", page));
    minRow->addStretch();
    form->addLayout(minRow, 2, 1);
    form->addWidget(label("Label69", page), 3, 0);
    form->addWidget(edit("riasztas13", page), 3, 1);
    form->addWidget(label("Label70", page), 4, 0);
    form->addWidget(edit("riasztas13b", page), 4, 1);
    form->setColumnStretch(1, 1);
    column->addLayout(form);

    auto* lower = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(check("best131", page));
    // The lamps of the temperature limits, set while the module status is watched.
    auto* lamps = new QWidget(page);
    lamps->setObjectName("Panel10");
    auto* lampRow = new QHBoxLayout(lamps);
    lampRow->addWidget(new LampWidget(LampWidget::Shape::Round, lamps));
    lampRow->itemAt(0)->widget()->setObjectName("Led1");
    lampRow->addWidget(caption("Max", lamps));
    lampRow->addWidget(new LampWidget(LampWidget::Shape::Round, lamps));
    lampRow->itemAt(2)->widget()->setObjectName("Led2");
    lampRow->addWidget(caption("Min", lamps));
    lampRow->addStretch();
    left->addWidget(lamps);
    auto* note = label("Label83", page);
    note->setWordWrap(true);
    left->addWidget(note);
    left->addStretch();
    lower->addLayout(left, 1);
    lower->addWidget(labelledList("Label65", "SMSst13", page));
    lower->addWidget(labelledList("Label66", "VOICEst13", page));
    column->addLayout(lower);
    return endPage(column, page);
}

}  // namespace vardeck::ui::z4
