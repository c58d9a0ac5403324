#include "ui/ControlBinder.h"

#include "z4config/controls/Controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>

namespace vardeck::ui {
namespace {

using namespace vardeck::controls;

QString q(const std::string& s) { return QString::fromStdString(s); }

// A page is shown as a tab; find the tab widget that holds it.
QTabWidget* tabWidgetOf(QWidget* page) {
    for (QWidget* w = page->parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs;
    }
    return nullptr;
}

// The radio buttons of a group box, in layout order.
QList<QRadioButton*> radioButtons(QWidget* group) {
    return group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

ControlBinder::ControlBinder(ControlRegistry& registry, QWidget* root, ChangeHandler onUserChange)
    : QObject(root), registry_(registry), root_(root), onUserChange_(std::move(onUserChange)) {
    for (Control* control : registry_.all()) {
        QWidget* widget = root->objectName() == q(control->name())
                              ? root
                              : root->findChild<QWidget*>(q(control->name()));
        if (!widget) continue;
        bindings_.push_back({control, widget});
        connectWidget(bindings_.back());
    }
    refresh();
}

QWidget* ControlBinder::widgetFor(const std::string& controlName) const {
    for (auto& b : bindings_) {
        if (b.control->name() == controlName) return b.widget;
    }
    return nullptr;
}

std::vector<std::string> ControlBinder::unboundControls() const {
    std::vector<std::string> missing;
    for (Control* control : registry_.all()) {
        if (!widgetFor(control->name())) missing.push_back(control->name());
    }
    return missing;
}

void ControlBinder::userChanged(Control* control) {
    if (refreshing_) return;
    if (onUserChange_) onUserChange_(control->name());
}

void ControlBinder::connectWidget(const Binding& binding) {
    Control* control = binding.control;
    QWidget* widget = binding.widget;
    switch (control->kind()) {
        case ControlKind::Button:
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                connect(button, &QAbstractButton::clicked, this, [this, control] { userChanged(control); });
            }
            break;
        case ControlKind::CheckBox:
            if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
                connect(box, &QAbstractButton::toggled, this, [this, control](bool on) {
                    if (refreshing_) return;
                    static_cast<CheckBox*>(control)->setChecked(on);
                    userChanged(control);
                });
            }
            break;
        case ControlKind::Edit:
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                connect(edit, &QLineEdit::textEdited, this, [this, control](const QString& text) {
                    static_cast<Edit*>(control)->setText(text.toStdString());
                    userChanged(control);
                });
            }
            break;
        case ControlKind::ComboBox:
            if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                connect(combo, qOverload<int>(&QComboBox::activated), this, [this, control](int index) {
                    static_cast<ComboBox*>(control)->setItemIndex(index);
                    userChanged(control);
                });
            } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
                auto buttons = radioButtons(group);
                for (int i = 0; i < buttons.size(); ++i) {
                    connect(buttons[i], &QRadioButton::clicked, this, [this, control, i] {
                        static_cast<ComboBox*>(control)->setItemIndex(i);
                        userChanged(control);
                    });
                }
            }
            break;
        case ControlKind::SpinEdit:
            if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
                connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, [this, control](int value) {
                    if (refreshing_) return;
                    static_cast<SpinEdit*>(control)->setValue(value);
                    userChanged(control);
                });
            }
            break;
        case ControlKind::CheckList:
            if (auto* list = qobject_cast<QListWidget*>(widget)) {
                connect(list, &QListWidget::itemChanged, this, [this, control, list](QListWidgetItem* item) {
                    if (refreshing_) return;
                    int row = list->row(item);
                    auto* checks = static_cast<CheckList*>(control);
                    if (row < 0 || row >= checks->count()) return;
                    checks->setChecked(row, item->checkState() == Qt::Checked);
                    userChanged(control);
                });
            }
            break;
        case ControlKind::Grid:
            if (auto* table = qobject_cast<QTableWidget*>(widget)) {
                connect(table, &QTableWidget::cellChanged, this, [this, control, table](int row, int col) {
                    if (refreshing_) return;
                    auto* grid = static_cast<Grid*>(control);
                    int modelRow = row + grid->fixedRows();
                    if (modelRow >= grid->rowCount() || col >= grid->colCount()) return;
                    auto* item = table->item(row, col);
                    grid->setCell(modelRow, col, item ? item->text().toStdString() : std::string());
                    userChanged(control);
                });
            }
            break;
        case ControlKind::Label:
        case ControlKind::Page:
        case ControlKind::StatusBar:
            break;
    }
}

void ControlBinder::refresh() {
    refreshing_ = true;
    for (auto& b : bindings_) {
        if (b.widget) refreshOne(b);
    }
    refreshing_ = false;
}

void ControlBinder::refreshOne(const Binding& binding) {
    Control* control = binding.control;
    QWidget* widget = binding.widget;
    QSignalBlocker block(widget);
    if (control->kind() != ControlKind::Page) {
        widget->setEnabled(control->enabled());
        // Only hide or show what the model hides; a widget inside a hidden page stays
        // "visible" to its page.
        if (widget->isVisibleTo(widget->parentWidget()) != control->visible() && widget != root_) {
            widget->setVisible(control->visible());
        }
    }
    switch (control->kind()) {
        case ControlKind::Label:
            if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(q(control->caption()));
            else if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(q(control->caption()));
            break;
        case ControlKind::Button:
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(q(control->caption()));
            break;
        case ControlKind::CheckBox:
            if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
                box->setText(q(control->caption()));
                box->setChecked(static_cast<CheckBox*>(control)->checked());
            }
            break;
        case ControlKind::Edit:
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                auto* model = static_cast<Edit*>(control);
                QString text = q(model->text());
                if (edit->text() != text) edit->setText(text);
                if (model->maxLength() != 0) edit->setMaxLength(static_cast<int>(model->maxLength()));
            }
            break;
        case ControlKind::ComboBox: {
            auto* model = static_cast<ComboBox*>(control);
            if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                QStringList items;
                for (auto& item : model->items()) items << q(item);
                QStringList shown;
                for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
                if (shown != items) {
                    combo->clear();
                    combo->addItems(items);
                }
                combo->setCurrentIndex(model->itemIndex());
            } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
                group->setTitle(q(control->caption()));
                auto buttons = radioButtons(group);
                // Clearing the choice needs exclusivity off for a moment.
                for (auto* b : buttons) b->setAutoExclusive(false);
                for (int i = 0; i < buttons.size(); ++i) {
                    if (i < model->count()) buttons[i]->setText(q(model->items()[i]));
                    buttons[i]->setChecked(i == model->itemIndex());
                }
                for (auto* b : buttons) b->setAutoExclusive(true);
            }
            break;
        }
        case ControlKind::SpinEdit:
            if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
                auto* model = static_cast<SpinEdit*>(control);
                spin->setRange(model->minValue(), model->maxValue());
                spin->setValue(model->value());
            }
            break;
        case ControlKind::CheckList:
            if (auto* list = qobject_cast<QListWidget*>(widget)) {
                auto* model = static_cast<CheckList*>(control);
                while (list->count() < model->count()) {
                    auto* item = new QListWidgetItem(list);
                    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                }
                for (int i = 0; i < model->count(); ++i) {
                    auto* item = list->item(i);
                    item->setText(q(model->itemCaption(i)));
                    item->setCheckState(model->checked(i) ? Qt::Checked : Qt::Unchecked);
                    Qt::ItemFlags flags = item->flags();
                    flags.setFlag(Qt::ItemIsEnabled, model->itemEnabled(i));
                    item->setFlags(flags);
                }
            }
            break;
        case ControlKind::Grid:
            if (auto* table = qobject_cast<QTableWidget*>(widget)) {
                auto* grid = static_cast<Grid*>(control);
                int rows = grid->rowCount() - grid->fixedRows();
                if (table->rowCount() != rows) table->setRowCount(rows);
                if (table->columnCount() != grid->colCount()) table->setColumnCount(grid->colCount());
                for (int c = 0; c < grid->colCount() && grid->fixedRows() > 0; ++c) {
                    table->setHorizontalHeaderItem(c, new QTableWidgetItem(q(grid->cell(0, c))));
                }
                for (int r = 0; r < rows; ++r) {
                    for (int c = 0; c < grid->colCount(); ++c) {
                        QString text = q(grid->cell(r + grid->fixedRows(), c));
                        auto* item = table->item(r, c);
                        if (!item) table->setItem(r, c, new QTableWidgetItem(text));
                        else if (item->text() != text) item->setText(text);
                    }
                }
            }
            break;
        case ControlKind::Page:
            if (QTabWidget* tabs = tabWidgetOf(widget)) {
                int index = tabs->indexOf(widget);
                if (index >= 0) {
                    tabs->setTabText(index, q(control->caption()));
                    tabs->setTabVisible(index, control->visible());
                    tabs->setTabEnabled(index, control->enabled());
                }
            }
            break;
        case ControlKind::StatusBar:
            if (auto* bar = qobject_cast<QStatusBar*>(widget)) {
                auto* model = static_cast<StatusBar*>(control);
                auto labels = bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
                for (int i = 0; i < model->count() && i < labels.size(); ++i) labels[i]->setText(q(model->panel(i)));
            }
            break;
    }
}

}  // namespace vardeck::ui
