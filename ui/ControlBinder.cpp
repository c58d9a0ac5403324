#include "ui/ControlBinder.h"

#include "ui/MaskedEditText.h"
#include "ui/WidgetRefresh.h"
#include "ui/widgets/PictureWidget.h"
#include "controls/Controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

#include <set>

namespace vardeck::ui {
namespace {

using namespace vardeck::controls;

QString q(const std::string& s) { return QString::fromStdString(s); }

// The radio buttons of a group box, in layout order.
QList<QRadioButton*> radioButtons(QWidget* group) {
    return group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

QObject* findNamed(QWidget* root, const QString& name) {
    if (root->objectName() == name) return root;
    if (auto* widget = root->findChild<QWidget*>(name)) return widget;
    return root->findChild<QAction*>(name);
}

// True when a layout places the widget (then the layout, not the binder, moves it).
bool laidOut(QWidget* widget) {
    QWidget* parent = widget->parentWidget();
    if (!parent) return widget->layout() != nullptr;
    return parent->layout() && parent->layout()->indexOf(widget) >= 0;
}

}  // namespace

ControlBinder::ControlBinder(ControlRegistry& registry, QWidget* root, ChangeHandler onUserChange)
    : QObject(root), registry_(registry), root_(root), onUserChange_(std::move(onUserChange)) {
    for (Control* control : registry_.all()) {
        QObject* object = findNamed(root, q(control->name()));
        if (!object) continue;
        auto* widget = qobject_cast<QWidget*>(object);
        bindings_.push_back({control, object, widget ? widget->geometry() : QRect()});
        connectObject(bindings_.back());
    }
    refresh();
}

QObject* ControlBinder::objectFor(const std::string& controlName) const {
    for (auto& b : bindings_) {
        if (b.control->name() == controlName) return b.object;
    }
    return nullptr;
}

QWidget* ControlBinder::widgetFor(const std::string& controlName) const {
    return qobject_cast<QWidget*>(objectFor(controlName));
}

std::vector<std::string> ControlBinder::unboundControls() const {
    std::vector<std::string> missing;
    for (Control* control : registry_.all()) {
        if (!objectFor(control->name())) missing.push_back(control->name());
    }
    return missing;
}

std::vector<std::string> ControlBinder::widgetsWithoutControl() const {
    std::set<std::string> names;
    if (!root_) return {};
    QList<QObject*> objects;
    for (QWidget* w : root_->findChildren<QWidget*>()) objects << w;
    for (QAction* a : root_->findChildren<QAction*>()) objects << a;
    for (QObject* object : objects) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) continue;
        if (!registry_.find(name.toStdString())) names.insert(name.toStdString());
    }
    return {names.begin(), names.end()};
}

void ControlBinder::userChanged(Control* control) {
    if (refreshing_) return;
    for (Binding& b : bindings_) {
        if (b.control == control) b.shownRevision.reset();
    }
    if (onUserChange_) onUserChange_(control->name());
}

void ControlBinder::connectObject(const Binding& binding) {
    Control* control = binding.control;
    QObject* object = binding.object;
    switch (control->kind()) {
        case ControlKind::Button:
            if (auto* button = qobject_cast<QAbstractButton*>(object)) {
                connect(button, &QAbstractButton::clicked, this, [this, control] { userChanged(control); });
            }
            break;
        case ControlKind::CheckBox:
            if (auto* box = qobject_cast<QAbstractButton*>(object)) {
                connect(box, &QAbstractButton::toggled, this, [this, control](bool on) {
                    if (refreshing_) return;
                    static_cast<CheckBox*>(control)->setChecked(on);
                    userChanged(control);
                });
            }
            break;
        case ControlKind::Edit:
            if (auto* edit = qobject_cast<QLineEdit*>(object)) {
                connect(edit, &QLineEdit::textEdited, this, [this, control, edit] {
                    static_cast<Edit*>(control)->setText(modelText(*edit).toStdString());
                    userChanged(control);
                });
            }
            break;
        case ControlKind::ComboBox:
            if (auto* combo = qobject_cast<QComboBox*>(object)) {
                connect(combo, qOverload<int>(&QComboBox::activated), this, [this, control](int index) {
                    static_cast<ComboBox*>(control)->setItemIndex(index);
                    userChanged(control);
                });
            } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
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
            if (auto* spin = qobject_cast<QSpinBox*>(object)) {
                connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, [this, control](int value) {
                    if (refreshing_) return;
                    static_cast<SpinEdit*>(control)->setValue(value);
                    userChanged(control);
                });
            }
            break;
        case ControlKind::CheckList:
            if (auto* list = qobject_cast<QListWidget*>(object)) {
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
            if (auto* table = qobject_cast<QTableWidget*>(object)) {
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
        case ControlKind::Picture:
            if (auto* picture = qobject_cast<PictureWidget*>(object)) {
                connect(picture, &PictureWidget::clicked, this, [this, control] { userChanged(control); });
            }
            break;
        case ControlKind::MenuItem:
            if (auto* action = qobject_cast<QAction*>(object)) {
                connect(action, &QAction::triggered, this, [this, control] { userChanged(control); });
            }
            break;
        case ControlKind::Label:
        case ControlKind::Page:
        case ControlKind::StatusBar:
        case ControlKind::Panel:
        case ControlKind::Lamp:
        case ControlKind::Gauge:
        case ControlKind::Form:
            break;
    }
}

void ControlBinder::refresh() { refreshBindings(false); }

void ControlBinder::refreshChanged() { refreshBindings(true); }

void ControlBinder::refreshBindings(bool changedOnly) {
    refreshing_ = true;
    for (auto& b : bindings_) {
        if (!b.object) continue;
        if (changedOnly && b.shownRevision == b.control->revision()) continue;
        refreshOne(b);
    }
    refreshing_ = false;
    if (afterRefresh) afterRefresh();
}

void ControlBinder::refreshOne(Binding& binding) {
    binding.shownRevision = binding.control->revision();
    Control* control = binding.control;
    QSignalBlocker block(binding.object);
    auto* widget = qobject_cast<QWidget*>(binding.object.data());
    const ControlKind kind = control->kind();
    if (widget && kind != ControlKind::Page) {
        widget->setEnabled(control->enabled());
        // Only hide or show what the model hides; a widget inside a hidden page stays
        // "visible" to its page. Windows are shown and hidden by the program.
        if (widget != root_ && widget->isVisibleTo(widget->parentWidget()) != control->visible()) {
            widget->setVisible(control->visible());
        }
    }
    if (widget) applyPlacement(binding);
    showControlState(*control, binding.object);
}

void ControlBinder::applyPlacement(const Binding& binding) {
    auto* widget = qobject_cast<QWidget*>(binding.object.data());
    const Placement& p = binding.control->placement();
    if (p == Placement{} || laidOut(widget)) return;
    QRect r = binding.designed;
    r.moveLeft(p.left.value_or(r.left()) + p.leftShift);
    r.moveTop(p.top.value_or(r.top()) + p.topShift);
    r.setWidth(p.width.value_or(r.width()) + p.widthShift);
    r.setHeight(p.height.value_or(r.height()) + p.heightShift);
    if (widget == root_) {
        if (widget->size() != r.size()) widget->resize(r.size());
    } else if (widget->geometry() != r) {
        widget->setGeometry(r);
    }
}

}  // namespace vardeck::ui
