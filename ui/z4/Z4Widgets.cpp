#include "ui/z4/Z4Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vardeck::ui::z4 {
namespace {

template <class W>
W* named(const char* name, QWidget* parent) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

QWidget* page(const char* name, QWidget* parent) { return named<QWidget>(name, parent); }

QLabel* label(const char* name, QWidget* parent) {
    auto* l = named<QLabel>(name, parent);
    l->setWordWrap(false);
    return l;
}

QLabel* title(const char* name, QWidget* parent) {
    auto* l = label(name, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* caption(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

QLabel* memo(const char* name, QWidget* parent) {
    auto* m = named<QLabel>(name, parent);
    m->setTextFormat(Qt::PlainText);
    m->setWordWrap(true);
    m->setFrameShape(QFrame::StyledPanel);
    m->setMargin(6);
    m->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return m;
}

QLineEdit* edit(const char* name, QWidget* parent) { return named<QLineEdit>(name, parent); }

QCheckBox* check(const char* name, QWidget* parent) { return named<QCheckBox>(name, parent); }

QComboBox* list(const char* name, QWidget* parent) {
    auto* c = named<QComboBox>(name, parent);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return c;
}

QSpinBox* spin(const char* name, QWidget* parent) {
    auto* s = named<QSpinBox>(name, parent);
    s->setMinimumWidth(80);
    return s;
}

QListWidget* checkList(const char* name, QWidget* parent) {
    auto* l = named<QListWidget>(name, parent);
    l->setSelectionMode(QAbstractItemView::NoSelection);
    // Eight rows, no scrolling.
    const int rows = 8 * (l->fontMetrics().height() + 4) + 2 * l->frameWidth() + 4;
    l->setMinimumHeight(rows);
    l->setMaximumHeight(rows);
    l->setMinimumWidth(180);
    return l;
}

QPushButton* button(const char* name, QWidget* parent) { return named<QPushButton>(name, parent); }

QTableWidget* grid(const char* name, QWidget* parent) {
    auto* t = named<QTableWidget>(name, parent);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QProgressBar* gauge(const char* name, QWidget* parent) {
    auto* g = named<QProgressBar>(name, parent);
    g->setTextVisible(false);
    return g;
}

QGroupBox* radioGroup(const char* name, int count, QWidget* parent) {
    auto* group = named<QGroupBox>(name, parent);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 2);
    for (int i = 0; i < count; ++i) row->addWidget(new QRadioButton(group));
    group->setFlat(true);
    return group;
}

QWidget* labelledList(const char* labelName, const char* listName, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* caption = label(labelName, box);
    caption->setWordWrap(true);
    column->addWidget(caption);
    column->addWidget(checkList(listName, box));
    return box;
}

ScrolledPage scrolledPage(const char* name, QWidget* parent) {
    QWidget* page = named<QWidget>(name, parent);
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    content->setAutoFillBackground(false);
    scroll->setWidget(content);
    outer->addWidget(scroll);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(10, 8, 10, 8);
    return {page, column};
}

QWidget* endPage(QVBoxLayout* column, QWidget* page) {
    column->addStretch();
    return page;
}

}  // namespace vardeck::ui::z4
