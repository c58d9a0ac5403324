// The Contact ID pages ("CID/SMS", "Távfelügyelet", "Nyitás/Zárás") and the sound page.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <span>
#include <string_view>

#include "ui/z4/Z4Pages.h"
#include "ui/z4/Z4Widgets.h"
#include "z4config/ContactIdPages.h"

namespace vardeck::ui::z4 {
namespace {

QString captionOf(std::span<const z4config::FieldCaption> captions, std::string_view control) {
    for (const auto& c : captions) {
        if (control == c.control) return QString::fromUtf8(c.caption);
    }
    return {};
}

QLineEdit* shortEdit(const char* name, QWidget* parent, int characters) {
    QLineEdit* field = edit(name, parent);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QString(characters + 2, '0')) + 16);
    return field;
}

void setColumnWidths(QTableWidget* table, const std::array<int, 2>& widths) {
    for (int c = 0; c < 2; ++c) table->setColumnWidth(c, widths[c]);
}

// A caption and its field on the next row of a form grid.
void addRow(QGridLayout* grid, int& row, QWidget* caption, QWidget* field, int columns = 1) {
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row++, 1, 1, columns);
}

}  // namespace

QWidget* cidSmsPage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet21", parent);
    auto* body = new QHBoxLayout;
    QTableWidget* zones = grid("StringGrid2", page);
    zones->setContextMenuPolicy(Qt::CustomContextMenu);
    setColumnWidths(zones, z4config::kZoneGridColumnWidths);
    QTableWidget* events = grid("StringGrid3", page);
    events->setContextMenuPolicy(Qt::CustomContextMenu);
    events->setSelectionBehavior(QAbstractItemView::SelectRows);
    events->setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnWidths(events, z4config::kEventGridColumnWidths);
    for (QTableWidget* table : {zones, events}) table->setMinimumSize(300, 260);
    body->addWidget(zones, 1);
    body->addWidget(events, 1);
    auto* recipients = new QVBoxLayout;
    QLabel* eventName = label("Label87", page);
    QFont bold = eventName->font();
    bold.setBold(true);
    eventName->setFont(bold);
    recipients->addWidget(eventName);
    recipients->addWidget(checkList("SMSst7", page));
    recipients->addStretch();
    body->addLayout(recipients);
    column->addLayout(body, 1);
    return page;
}

QWidget* remoteMonitoringPage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet24", parent);
    const auto captions = z4config::remoteMonitoringCaptions();
    auto* grid = new QGridLayout;
    int r = 0;
    addRow(grid, r, caption(captionOf(captions, "CIDUGYFEL"), page), shortEdit("CIDUGYFEL", page, 4));
    grid->addWidget(caption("Eseménykód", page), r, 1);
    grid->addWidget(caption("Zóna", page), r++, 2);
    const char* reports[][2] = {{"CIDbe1", "ZONAbe1"}, {"CIDbe2", "ZONAbe2"},       {"CIDbe3", "ZONAbe3"},
                                {"CIDbe4", "ZONAbe4"}, {"CIDtamper", "ZONAtamper"}, {"CIDtap", "ZONAtap"}};
    for (auto& [code, zone] : reports) {
        grid->addWidget(caption(captionOf(captions, code), page), r, 0);
        grid->addWidget(shortEdit(code, page, 3), r, 1);
        grid->addWidget(shortEdit(zone, page, 3), r++, 2);
    }
    grid->addWidget(label("Label138", page), r, 0);
    grid->addWidget(shortEdit("CIDelet", page, 3), r, 1);
    grid->addWidget(check("ELETcid", page), r++, 2);
    addRow(grid, r, label("Label129", page), spin("SpinEdit17", page));
    for (const char* phone : {"TAV1", "TAV2"})
        addRow(grid, r, caption(captionOf(captions, phone), page), edit(phone, page), 2);
    for (const char* level : {"ComboBox17", "ComboBox16"})
        addRow(grid, r, caption(captionOf(captions, level), page), list(level, page));
    grid->setColumnStretch(3, 1);
    column->addLayout(grid);
    return endPage(column, page);
}

QWidget* openClosePage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet27", parent);
    const auto captions = z4config::openCloseCaptions();
    auto* lists = new QHBoxLayout;
    for (const char* name : {"SMSst16", "SMSst17"}) {
        auto* box = new QVBoxLayout;
        QLabel* text = caption(captionOf(captions, name), page);
        text->setWordWrap(true);
        box->addWidget(text);
        box->addWidget(checkList(name, page));
        lists->addLayout(box);
    }
    lists->addStretch();
    column->addLayout(lists);
    auto* texts = new QGridLayout;
    int r = 0;
    for (const char* name : {"Edit17", "Edit18"})
        addRow(texts, r, caption(captionOf(captions, name), page), edit(name, page));
    texts->setColumnStretch(1, 1);
    column->addLayout(texts);
    return endPage(column, page);
}

QWidget* soundPage(QWidget* parent) {
    auto [page, column] = scrolledPage("TabSheet22", parent);
    column->addWidget(label("Label97", page));
    auto* grid = new QGridLayout;
    const char* soundSlots[][3] = {{"Label92", kSoundFileFields[0], "Button8"},
                                   {"Label93", kSoundFileFields[1], "Button9"},
                                   {"Label94", kSoundFileFields[2], "Button10"},
                                   {"Label95", kSoundFileFields[3], "Button11"}};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(label(soundSlots[i][0], page), i, 0);
        QLineEdit* file = edit(soundSlots[i][1], page);
        file->setReadOnly(true);  // the path comes from the file dialog only
        file->setCursor(Qt::PointingHandCursor);
        grid->addWidget(file, i, 1);
        grid->addWidget(button(soundSlots[i][2], page), i, 2);
    }
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);
    auto* production = new QHBoxLayout;
    production->addWidget(button("Button7", page));
    production->addWidget(button("Button13", page));
    production->addStretch();
    column->addLayout(production);
    column->addWidget(gauge("Gauge1", page));
    return endPage(column, page);
}

}  // namespace vardeck::ui::z4
